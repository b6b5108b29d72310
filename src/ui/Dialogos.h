#pragma once
// The one seam through which every message box, file dialog, modal window
// and busy pointer is shown. The program uses DialogosQt; tests install a
// scripted implementation that answers them.

#include <QString>
#include <optional>

class QDialog;
class QWidget;

namespace varlek::ui {

// The titles of the two kinds of message box.
inline const QString kTituloInformacion = "INFORMACION";
inline const QString kTituloError = "MENSAJE DE ERROR";

struct OpcionesFichero {
  QString titulo;
  // Filter list in pairs of label and pattern separated by vertical bars:
  // "Todos los ficheros(*.*)|*.*|Ficheros de datos(*.ASC)|*.ASC".
  QString filtro;
  int filtroInicial = 1;  // 1-based
  bool preguntaSobrescribir = false;
};

class Dialogos {
 public:
  virtual ~Dialogos() = default;

  // A message box with a title, a text and a single OK button, no icon.
  virtual void Mensaje(QWidget* dueno, const QString& titulo, const QString& texto) = 0;
  // Open and save dialogs; nothing when the user cancels.
  virtual std::optional<QString> PideFicheroAbrir(QWidget* dueno, const OpcionesFichero& opciones) = 0;
  virtual std::optional<QString> PideFicheroSalvar(QWidget* dueno, const OpcionesFichero& opciones) = 0;
  // Shows a window modally and returns when it has closed.
  virtual void MuestraModal(QDialog& ventana) = 0;
  // The busy (hourglass) pointer over a window, or back to the default.
  virtual void PunteroOcupado(QWidget* ventana, bool ocupado) = 0;
};

// Shows the busy pointer for its lifetime: restored on every path out.
class GuardaPuntero {
 public:
  GuardaPuntero(Dialogos& dialogos, QWidget* ventana) : dialogos_(dialogos), ventana_(ventana) {
    dialogos_.PunteroOcupado(ventana_, true);
  }
  ~GuardaPuntero() { dialogos_.PunteroOcupado(ventana_, false); }
  GuardaPuntero(const GuardaPuntero&) = delete;
  GuardaPuntero& operator=(const GuardaPuntero&) = delete;

 private:
  Dialogos& dialogos_;
  QWidget* ventana_;
};

// The filter text in Qt's form: each label with its patterns in brackets
// ("Todos los ficheros(*.*)", "Imágenes (*.bmp *.png)").
QStringList FiltrosQt(const QString& filtro);

}  // namespace varlek::ui
