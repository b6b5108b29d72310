// The powder samples of the main window: "Muestra 1", "Muestra 2" and
// "Muestra 3" read a sample file, make it the spectrum on screen and draw it
// with the powder ring on the schematic.

#include <QCoreApplication>

#include "app/Graf.h"
#include "spectrum/FicheroMuestra.h"
#include "state/ErrorVarlek.h"
#include "ui/Dialogos.h"
#include "ui/Lienzo.h"
#include "ui/MuestraError.h"

namespace varlek {
namespace {

// Where the samples are: the program's own folder when they are there (a
// program run from its build), otherwise the installed data folder, found
// from the program's folder so that any installation prefix works.
std::string RutaDe(const char* nombre) {
  return RutaMuestra(nombre, QCoreApplication::applicationDirPath().toStdString(), VARLEK_DATOS_DESDE_PROGRAMA);
}

}  // namespace

void Graf::Muestra1_Click() { CargaMuestra(RutaDe("muestra1.bin")); }
void Graf::Muestra2_Click() { CargaMuestra(RutaDe("muestra2.bin")); }
void Graf::Muestra3_Click() { CargaMuestra(RutaDe("muestra3.bin")); }

void Graf::CargaMuestra(const std::string& ruta) {
  ui::GuardaPuntero ocupado(dialogos_, this);
  try {
    AplicaMuestra(estado_, LeeFicheroMuestra(ruta));
  } catch (const ErrorVarlek& error) {
    ui::MuestraError(dialogos_, this, error.Codigo());
    return;
  }
  // The plot is cleared without its tick marks.
  Graf_Espectro->Borra();
  Esquema_Paint();
  DibujaCurva(estado_.Espectro);
  for (int i = 0; i <= 400; ++i) {
    const int g = GrisAnillo(estado_.Espectro[i]);
    DibujaMarca(AnguloAnillo(i), QColor(g, g, g));
  }
}

}  // namespace varlek
