#pragma once
// The warning "AVISO" shown before a register with a different range
// replaces the spectrum on screen. The answer goes to RespuestaAviso:
// 1 for "Aceptar", 0 for "Cancelar" and for any other way of closing it.

#include <QDialog>

#include "state/Estado.h"

class QLabel;
class QPushButton;

namespace varlek {

class Aviso : public QDialog {
  Q_OBJECT

 public:
  Aviso(Estado& estado, QWidget* principal);

  // Controls, under their names.
  QLabel* Label1;
  QPushButton *Command1, *Command2;

  // "Aceptar": RespuestaAviso = 1, then close.
  void Command1_Click();
  // "Cancelar": RespuestaAviso = 0, then close.
  void Command2_Click();

  // Closing by the frame or by Escape answers "Cancelar", so an earlier
  // "Aceptar" is never taken for this one.
  void reject() override;

 private:
  Estado& estado_;
};

}  // namespace varlek
