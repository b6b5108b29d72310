#pragma once
// The dialog that sets the X-ray wavelength (it has no title text).

#include <QDialog>

#include "state/Estado.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace varlek {

class Lambda : public QDialog {
  Q_OBJECT

 public:
  Lambda(Estado& estado, QWidget* principal);

  // Controls, under their names.
  QLabel* Label1;
  QLineEdit* Text1;
  QPushButton *Command1, *Command2;

  // "Aceptar": LambdaX from the text, then close.
  void Command1_Click();
  // "Cancelar": close, nothing changed.
  void Command2_Click();

 private:
  void Form_Load();

  Estado& estado_;
};

}  // namespace varlek
