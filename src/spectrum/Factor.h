#pragma once
// The dialog that asks for the factor of "Multiplicar" (it has no title
// text and only an "Aceptar" button; closing it by its frame cancels).

#include <QDialog>

#include "state/Estado.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace varlek {

class Factor : public QDialog {
  Q_OBJECT

 public:
  Factor(Estado& estado, QWidget* principal);

  // Controls, under their names.
  QLabel* Label1;
  QLineEdit* Text_Factor;
  QPushButton* Command1;

  // The number read from the text by "Aceptar" (0 before).
  double FactorLeido = 0;

  // "Aceptar": reads the factor, stores it in FactorEscala when it fits a
  // float, and closes the dialog as accepted. A factor beyond the float
  // range is not stored: the caller, seeing the dialog accepted, converts
  // FactorLeido with AFloat and so reports the overflow itself.
  void Command1_Click();

 private:
  Estado& estado_;
};

}  // namespace varlek
