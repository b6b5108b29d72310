#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/Graf.h"
#include "state/Estado.h"
#include "ui/CarpetaEjecucion.h"
#include "ui/Controles.h"
#include "ui/DialogosQt.h"

int main(int argc, char* argv[]) {
  varlek::ui::PreparaCarpetaEjecucion();
  QApplication aplicacion(argc, argv);
  // The interface is in Spanish whatever the user's locale, the toolkit's own
  // dialogs (file dialogs, message box buttons) included.
  QTranslator traduccion;
  if (traduccion.load(QLocale(QLocale::Spanish), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&traduccion);
  varlek::ui::SustituyeFuentes();
  varlek::Estado estado;
  varlek::ui::DialogosQt dialogos;
  varlek::Graf graf(estado, dialogos);
  graf.Form_Load();
  graf.show();
  return QApplication::exec();
}
