#pragma once
// The main window: the two drawing surfaces, the readouts, the guide panel,
// the menu bar and the toolbar, and the scan timer. Its handlers live in the
// folder of the subsystem they belong to; this file declares them all.

#include <QMainWindow>
#include <QMap>
#include <QPixmap>
#include <QStringList>
#include <QTimer>

#include "state/Estado.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QToolBar;

namespace varlek::ui {
class Dialogos;
class Lienzo;
class SuperficieVentana;
}  // namespace varlek::ui

namespace varlek {

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

  // Plot.
  void Graf_Espectro_Paint();
  void DibujaEjes();

  // Schematic.
  void Esquema_Paint();
  void DibujaCristal(const QColor& color);

  // Scan control.
  void IniciaBarrido();


 protected:
  void closeEvent(QCloseEvent* evento) override;

 private:
  void CreaControles();
  void CreaMenus();
  void CreaBarra();
  void CargaImagenes();
  QAction* Item(QMenu* menu, const char* nombre, const QString& titulo, void (Graf::*handler)());
  QMenu* Submenu(QMenu* padre, const char* nombre, const QString& titulo);

  Estado& estado_;
  ui::Dialogos& dialogos_;
};

}  // namespace varlek
