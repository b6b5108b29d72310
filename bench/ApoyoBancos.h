#pragma once
// What the measurements of the main window share: an offscreen application
// and dialogs that answer at once.

#include <QApplication>

#include "app/Graf.h"
#include "state/Estado.h"
#include "ui/Dialogos.h"

namespace varlek {

// Answers every dialog at once, so steps and scans run unattended.
class DialogosMudos : public ui::Dialogos {
 public:
  void Mensaje(QWidget*, const QString&, const QString&) override {}
  std::optional<QString> PideFicheroAbrir(QWidget*, const ui::OpcionesFichero&) override { return std::nullopt; }
  std::optional<QString> PideFicheroSalvar(QWidget*, const ui::OpcionesFichero&) override { return std::nullopt; }
  void MuestraModal(QDialog&) override {}
  void PunteroOcupado(QWidget*, bool) override {}
};

inline QApplication& Aplicacion() {
  static int argc = 3;
  static char a0[] = "bancos", a1[] = "-platform", a2[] = "offscreen";
  static char* argv[] = {a0, a1, a2, nullptr};
  static QApplication aplicacion(argc, argv);
  return aplicacion;
}

// A started main window over its own state, as the program opens it.
struct VentanaDeBanco {
  VentanaDeBanco() { graf.Form_Load(); }
  QApplication& aplicacion = Aplicacion();
  Estado e;
  DialogosMudos dialogos;
  Graf graf{e, dialogos};
};

}  // namespace varlek
