// The powder samples of the main window: "Muestra 1", "Muestra 2" and
// "Muestra 3" read a sample file, make it the spectrum on screen and draw it
// with the powder ring on the schematic.

#include <QCoreApplication>
#include <cmath>

#include "app/Graf.h"
#include "scan/Esquema.h"
#include "spectrum/FicheroMuestra.h"
#include "state/Angulos.h"
#include "state/ErrorVarlek.h"
#include "ui/Dialogos.h"
#include "ui/Lienzo.h"
#include "ui/MuestraError.h"

namespace varlek {
namespace {

// Where the samples are: the program's own folder when they are there (a
// program run from its build), otherwise the installed data folder.
std::string RutaDe(const char* nombre) {
  return RutaMuestra(nombre, QCoreApplication::applicationDirPath().toStdString(), VARLEK_DIRECTORIO_DATOS);
}

}  // namespace

void Graf::Muestra1_Click() { CargaMuestra(RutaDe("muestra1.bin")); }
void Graf::Muestra2_Click() { CargaMuestra(RutaDe("muestra2.bin")); }
void Graf::Muestra3_Click() { CargaMuestra(RutaDe("muestra3.bin")); }

void Graf::CargaMuestra(const std::string& ruta) {
  Estado& e = estado_;
  {
    ui::GuardaPuntero ocupado(dialogos_, this);
    DatosMuestra datos;
    try {
      datos = LeeFicheroMuestra(ruta);
    } catch (const ErrorVarlek& error) {
      ui::MuestraError(dialogos_, this, error.Codigo());
      return;
    }
    e.EspectroCabecera = datos.cabecera;
    e.EspectroMin = datos.inicio;
    e.Espectro = datos.puntos;

    // The plot is cleared without its tick marks.
    Graf_Espectro->Borra();
    Esquema_Paint();
    Graf_Espectro->FijaAnchoPluma(2);
    for (int i = 0; i <= 400; ++i) {
      const float v = e.Espectro[i];
      Graf_Espectro->Punto(i / 4.0, v);
      const int g = GrisAnillo(v);
      // The ring always runs from 5° to 105°, whatever the start angle says.
      e.DeltaRad = ARadianes(0.25 * i + 5);
      const double c = std::cos(e.DeltaRad), s = std::sin(e.DeltaRad);
      Esquema->Linea(esquema::kRadioMarca * c, esquema::kRadioMarca * s, esquema::kRadioMarcaFin * c,
                     esquema::kRadioMarcaFin * s, QColor(g, g, g));
    }
    Graf_Espectro->FijaAnchoPluma(1);
  }
  e.DeltaRad = 15.708 / 180;
}

}  // namespace varlek
