#pragma once
// The about box "Acerca de Varlek": what the program is, the lines that
// describe this project, the date of the text and "Aceptar".

#include <QDialog>

class QLabel;
class QPushButton;

namespace varlek {

class Acerca : public QDialog {
  Q_OBJECT

 public:
  explicit Acerca(QWidget* principal);

  // Controls, under their names.
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10;
  QPushButton* Command1;

  // "Aceptar".
  void Command1_Click();
};

}  // namespace varlek
