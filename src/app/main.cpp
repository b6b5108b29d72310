#include <QApplication>

#include "app/Graf.h"
#include "state/Estado.h"
#include "ui/DialogosQt.h"

int main(int argc, char* argv[]) {
  QApplication aplicacion(argc, argv);
  varlek::Estado estado;
  varlek::ui::DialogosQt dialogos;
  varlek::Graf graf(estado, dialogos);
  graf.Form_Load();
  graf.show();
  return QApplication::exec();
}
