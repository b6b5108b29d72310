#pragma once
// The dialog that asks for the factor of "Multiplicar" (it has no title
// text and only an "Aceptar" button; closing it by its frame cancels).

#include <QDialog>

#include "state/Estado.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace varlek::ui {
class Dialogos;
}

namespace varlek {

class Factor : public QDialog {
  Q_OBJECT

 public:
  Factor(Estado& estado, ui::Dialogos& dialogos, QWidget* principal);

  // Controls, under their names.
  QLabel* Label1;
  QLineEdit* Text_Factor;
  QPushButton* Command1;

  // "Aceptar": FactorEscala from the text, as a 32-bit float, then close. A
  // factor beyond the float range is reported (error 6) and not stored; the
  // dialog stays open with the text selected.
  void Command1_Click();

 private:
  Estado& estado_;
  ui::Dialogos& dialogos_;
};

}  // namespace varlek
