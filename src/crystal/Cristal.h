#pragma once
// The crystal parameters dialog "Condiciones del espectro": lattice
// parameters a and b, the angle between them, the number of atoms, and the
// coordinates and atomic factor of four atom slots. While a problem crystal
// is loaded it shows placeholders and stores nothing.

#include <QDialog>
#include <array>

#include "state/Estado.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace varlek {

namespace ui {
class Dialogos;
}

class Cristal : public QDialog {
  Q_OBJECT

 public:
  Cristal(Estado& estado, ui::Dialogos& dialogos, QWidget* principal);

  // Controls, under their names.
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10, *Label11, *Label12;
  QLineEdit *Text_AVec, *Text_BVec, *Text_Theta, *Text_At;
  QLineEdit *Text_X1, *Text_X2, *Text_X3, *Text_X4;
  QLineEdit *Text_Y1, *Text_Y2, *Text_Y3, *Text_Y4;
  QLineEdit *Text_F1, *Text_F2, *Text_F3, *Text_F4;
  QPushButton *Command1, *Command2;

  // "Aceptar": stores every field, or refuses a number of atoms outside
  // 1 to 4 (or a factor beyond the float range) with a message, storing
  // nothing and leaving the dialog open. In problem mode it only closes.
  void Command1_Click();
  // "Cancelar".
  void Command2_Click();

 private:
  void CreaControles();
  void Form_Load();

  Estado& estado_;
  ui::Dialogos& dialogos_;
  // The x, y and f columns, atom 1 first.
  std::array<QLineEdit*, 4> columnaX_, columnaY_, columnaF_;
};

}  // namespace varlek
