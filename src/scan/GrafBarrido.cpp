// Scan control of the main window: the reset, launch and stop commands,
// the wavelength and limits dialogs, and the scan step.

#include <cmath>

#include "app/Graf.h"
#include "scan/Barrido.h"
#include "scan/Esquema.h"
#include "scan/Lambda.h"
#include "scan/Limites.h"
#include "spectrum/Ejes.h"
#include "state/Angulos.h"
#include "state/ErrorVarlek.h"
#include "state/Numeros.h"
#include "ui/Controles.h"
#include "ui/Dialogos.h"
#include "ui/Lienzo.h"
#include "ui/MuestraError.h"
#include "ui/Paleta.h"

namespace varlek {

using namespace esquema;

namespace {

// The moving parts of a scan step on the schematic, dotted: the beam axis
// and the diffracted beam, in `color` (erasing in white).
void DibujaEje(ui::Lienzo& esquema, const QColor& color) {
  ui::PlumaTemporal punteada(esquema, ui::Lienzo::Estilo::Punteado);
  esquema.Linea(kFuenteDerecha, 0, kRadioDetector, 0, color);
}

void DibujaHaz(ui::Lienzo& esquema, double deltaRad, const QColor& color) {
  ui::PlumaTemporal punteada(esquema, ui::Lienzo::Estilo::Punteado);
  esquema.Linea(0, 0, kRadioHaz * std::cos(deltaRad), kRadioHaz * std::sin(deltaRad), color);
}

// Stops the scan's timer; the screen shows the schematic as it stands.
void DetieneReloj(Graf& ventana) {
  ventana.Reloj.stop();
  ventana.Esquema->Libera();
}

}  // namespace

void Graf::IniciaBarrido() {
  AsignaValoresIniciales(estado_);
  Graf_Espectro_Paint();
  Esquema_Paint();
  Form_Paint();
}

void Graf::Barrido_Inicializar_Click() { IniciaBarrido(); }

void Graf::Barrido_Lanzar_Click() {
  if (!Reloj.isActive()) Reloj.start();
}

void Graf::Barrido_Detener_Click() {
  DetieneReloj(*this);
  DibujaCristal(Esquema->ColorFrente());
}

void Graf::Barrido_LambdaX_Click() {
  Lambda ventana(estado_, this);
  dialogos_.MuestraModal(ventana);
}

void Graf::Barrido_Limites_Click() {
  Limites ventana(estado_, dialogos_, this);
  dialogos_.MuestraModal(ventana);
  if (ventana.result() != QDialog::Accepted) return;
  Graf_Espectro_Paint();
  Esquema_Paint();
  Form_Paint();
}

void Graf::Reloj_Timer() {
  Estado& e = estado_;
  ui::Lienzo& esquema = *Esquema;
  const QColor blanco = ui::Paleta(15);
  try {
    IniciaPaso(e);
    DibujaEje(esquema, esquema.ColorFrente());
    DibujaCristal(esquema.ColorFrente());
    if (e.Intensidad > 50) DibujaHaz(esquema, e.DeltaRad, QColor(255, 0, 0));

    const int n = CalculaPunto(e);
    {
      ui::PlumaTemporal gruesa(*Graf_Espectro, 2);
      Graf_Espectro->Punto(XDeRanura(n), e.Intensidad);
    }
    ui::MuestraTexto(*PuntX, FormateaNumero(AGrados(e.DeltaRad)));
    ui::MuestraTexto(*PuntY, FormateaNumero(e.Intensidad));
    const int g = GrisMarca(e.Espectro[n]);
    DibujaMarca(e.DeltaRad, QColor(g, g, g));

    // The screen keeps the step's picture until the next tick; the backing
    // image is erased as the step goes on.
    esquema.Presenta();
    DibujaEje(esquema, blanco);
    DibujaHaz(esquema, e.DeltaRad, blanco);
    DibujaCristal(blanco);

    if (AvanzaAngulo(e)) {
      DetieneReloj(*this);
      dialogos_.Mensaje(this, ui::kTituloInformacion, "Barrido terminado");
      DibujaCristal(esquema.ColorFrente());
    }
  } catch (const ErrorVarlek& error) {
    DetieneReloj(*this);
    ui::MuestraError(dialogos_, this, error.Codigo());
  }
}

}  // namespace varlek
