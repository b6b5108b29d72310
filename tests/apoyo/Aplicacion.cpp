#include "apoyo/Aplicacion.h"

#include <QApplication>

#include "ui/Controles.h"

namespace varlek::prueba {

void AseguraAplicacion() {
  if (QApplication::instance() != nullptr) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char nombre[] = "pruebas";
  static char* argv[] = {nombre, nullptr};
  new QApplication(argc, argv);
  QApplication::setCursorFlashTime(0);  // a text cursor, where one shows, shows in every picture
  ui::SustituyeFuentes();
}

}  // namespace varlek::prueba
