#pragma once
// The main window: the two drawing surfaces, the readouts, the guide panel,
// the menu bar and the toolbar, and the scan timer. Its handlers live in the
// folder of the subsystem they belong to; this file declares them all.

#include <QMainWindow>
#include <QMap>
#include <QPixmap>
#include <QStringList>
#include <QTimer>
#include <optional>

#include "state/Estado.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QToolBar;

namespace varlek::ui {
class Dialogos;
class Lienzo;
class SuperficieVentana;
}  // namespace varlek::ui

namespace varlek {

struct DatosEspectro;
enum class LetraRegistro;

class Graf : public QMainWindow {
  Q_OBJECT

 public:
  Graf(Estado& estado, ui::Dialogos& dialogos, QWidget* padre = nullptr);
  ~Graf() override;

  // Start-up: toolbar, defaults, repaints, start directory.
  void Form_Load();

  // Controls, under their names.
  ui::SuperficieVentana* Superficie = nullptr;
  QToolBar* Toolbar1 = nullptr;
  QGroupBox* Frame1 = nullptr;
  QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr,
         *Label6 = nullptr;
  ui::Lienzo* Esquema = nullptr;
  ui::Lienzo* Graf_Espectro = nullptr;
  QLineEdit* PuntX = nullptr;
  QLineEdit* PuntY = nullptr;
  QTimer Reloj;
  // The image store: the toolbar bitmaps by key, in the order they were stored.
  QStringList ImageList1Claves;
  QMap<QString, QPixmap> ImageList1;

  // Main window.
  void Form_Paint();
  void Toolbar1_ButtonClick(const QString& clave);
  void Menu_Fichero_Salir_Click();

  // Crystal and problem crystals.
  void Menu_Parametros_Click();
  void Cristal_1_Click();
  void Cristal_2_Click();
  void Cristal_3_Click();
  void Cristal_4_Click();
  void Cristal_5_Click();
  void Cerrar_Problema_Click();

  // Structure viewer and crystal rotation.
  void Cristal_Mostrar_Click();
  void Cristal_Girar_Click();

  // Scan.
  void Barrido_LambdaX_Click();
  void Barrido_Limites_Click();
  void Barrido_Lanzar_Click();
  void Barrido_Detener_Click();
  void Barrido_Inicializar_Click();
  void IniciaBarrido();
  void Reloj_Timer();

  // Schematic.
  void Esquema_Paint();
  void DibujaCristal(const QColor& color);
  // A detector mark: the short radial stroke at the rim of the detector
  // circle at `angulo` (radians), solid.
  void DibujaMarca(double angulo, const QColor& color);

  // Plot.
  void Graf_Espectro_Paint();
  void DibujaEjes();
  void Graf_Espectro_MouseDown(int boton, int mayusculas, float x, float y);
  void Menu_Borrar_Click();
  void Menu_Dibujar_Click();
  // Draws a whole spectrum by the curve rule: pen width 2, one point per value.
  void DibujaCurva(const Espectro401& puntos);

  // Spectrum operations.
  void Menu_Suavizar_Click();
  void Menu_Multiplicar_Click();
  void Grafica_Sumar_Click();

  // Data files.
  void Menu_Fichero_Salvar_Click();
  void Menu_Fichero_Cargar_Click();
  void SalvaFichero();
  void CargaFichero();

  // Registers.
  void CopiarEnX_Click();
  void CopiarEnY_Click();
  void CopiarEnZ_Click();
  void CopiarDesdeX_Click();
  void CopiarDesdeY_Click();
  void CopiarDesdeZ_Click();
  void MostrarX_Click();
  void MostrarY_Click();
  void MostrarZ_Click();
  void Salvar_RegistroX_Click();
  void Salvar_RegistroY_Click();
  void Salvar_RegistroZ_Click();
  void SalvaRegistroX();
  void SalvaRegistroY();
  void SalvaRegistroZ();

  // Powder samples.
  void Muestra1_Click();
  void Muestra2_Click();
  void Muestra3_Click();
  // Loads a sample file into the spectrum on screen and draws it with its
  // powder ring; a file that cannot be read changes nothing.
  void CargaMuestra(const std::string& ruta);

  // Guide and about box.
  void Label3_Click();
  void Label4_Click();
  void Label5_Click();
  void Label6_Click();

 protected:
  void closeEvent(QCloseEvent* evento) override;

 private:
  void CreaControles();
  void CreaMenus();

  // Registers: a register of another range than the screen's shows the
  // warning, and on "Aceptar" replaces the screen, drawn anew.
  void AvisaYReemplaza(LetraRegistro letra);
  void CopiaDesde(LetraRegistro letra);
  void Muestra(LetraRegistro letra);
  // Files: the file dialog of "Salvar" or "Cargar" (NombreFichero on
  // confirming), and a save reported through the error message.
  std::optional<QString> PideFichero(bool salvar);
  void SalvaDatosEn(const DatosEspectro& datos);

  Estado& estado_;
  ui::Dialogos& dialogos_;
};

}  // namespace varlek
