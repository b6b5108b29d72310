#pragma once
// The dialog that sets the crystal's rotation GiroCristal, typed in degrees.
// It has no title text.

#include <QDialog>

#include "state/Estado.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace varlek {

namespace ui {
class Dialogos;
}

class Giro : public QDialog {
  Q_OBJECT

 public:
  Giro(Estado& estado, ui::Dialogos& dialogos, QWidget* principal);

  // Controls, under their names.
  QLabel* Label1;
  QLineEdit* Text1;
  QPushButton *Command1, *Command2;

  // "Aceptar": the typed degrees as radians, then close. A value whose
  // radians lie beyond the range of a double is error 6: nothing is stored
  // and the dialog stays open with the text selected.
  void Command1_Click();
  // "Cancelar".
  void Command2_Click();

 private:
  void Form_Load();

  Estado& estado_;
  ui::Dialogos& dialogos_;
};

}  // namespace varlek
