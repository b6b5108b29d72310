#pragma once
// The dialog "LÍMITES DEL BARRIDO": the start and end angles of the scan,
// in degrees of 2θ.

#include <QDialog>

#include "state/Estado.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace varlek::ui {
class Dialogos;
}

namespace varlek {

class Limites : public QDialog {
  Q_OBJECT

 public:
  Limites(Estado& estado, ui::Dialogos& dialogos, QWidget* principal);

  // Controls, under their names.
  QLabel *Label1, *Label2;
  QLineEdit *Text_DeltaMin, *Text_DeltaMax;
  QPushButton *Command1, *Command2;

  // "Aceptar": the new limits, with the scan angle rewound to the new start,
  // then close. An end angle beyond the float range is refused: error 6 is
  // reported, nothing is stored, and the dialog stays open with that field
  // selected.
  void Command1_Click();
  // "Cancelar": close, nothing changed.
  void Command2_Click();

 private:
  void Form_Load();

  Estado& estado_;
  ui::Dialogos& dialogos_;
};

}  // namespace varlek
