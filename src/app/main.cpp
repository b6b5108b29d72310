#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <iostream>

#include "app/Graf.h"
#include "state/Estado.h"
#include "state/LineaVarlek.h"
#include "ui/CarpetaEjecucion.h"
#include "ui/Controles.h"
#include "ui/DialogosQt.h"

int main(int argc, char* argv[]) {
  // --help and --version print and end before any window; every other
  // argument is left to the toolkit, as before.
  switch (varlek::LeePeticion(varlek::ArgumentosDe(argc, argv))) {
    case varlek::PeticionLinea::Ayuda:
      return varlek::MuestraAyuda(varlek::ProgramaVarlek());
    case varlek::PeticionLinea::Version:
      std::cout << varlek::TextoVersion() << std::flush;
      return std::cout ? varlek::kSalidaBien : varlek::kSalidaFichero;
    case varlek::PeticionLinea::Ventana:
      break;
  }
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
