#pragma once
// The structure window "Estructura del cristal": 11 × 11 cells of the
// crystal turned by GiroCristal, the red lines of a family of planes on
// request, dotted construction lines drawn with the mouse, and the button
// that turns the crystal so that the family lies horizontal. While a problem
// crystal is loaded it shows a refusal instead of the structure.

#include <QDialog>

#include "state/Estado.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace varlek {

namespace ui {
class Dialogos;
class Lienzo;
}  // namespace ui

class Estructu : public QDialog {
  Q_OBJECT

 public:
  Estructu(Estado& estado, ui::Dialogos& dialogos, QWidget* principal);

  // Controls, under their names; the drawing area covers the whole window.
  ui::Lienzo* Superficie;
  QLabel *Label1, *Label2, *Label3;
  QLineEdit *Text_a, *Text_b;
  QPushButton *Command1, *Command2, *Command3;

  // Clears the drawing area and draws the structure.
  void Form_Paint();
  void DibujaEstructura();
  // Adds the red lines of the family (IndiceH, IndiceK) to the drawing.
  void DibujaFamilia();
  // "Cerrar".
  void Command1_Click();
  // The family button: draws the family unless a problem crystal is loaded.
  void Command2_Click();
  // "Girar el cristal": levels the family and repaints.
  void Command3_Click();
  void Text_a_Change();
  void Text_b_Change();
  // The first click of a pair fixes a point, the second draws a dotted line
  // from it.
  void Form_MouseDown(int boton, int mayusculas, float x, float y);

 private:
  void CreaControles();
  void Form_Load();
  // The family button's caption and tooltip from the indices.
  void RotulaFamilia();

  Estado& estado_;
  ui::Dialogos& dialogos_;
};

}  // namespace varlek
