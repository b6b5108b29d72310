// Scan control of the main window: the reset, launch and stop commands,
// the wavelength and limits dialogs, and the scan step.

#include <cmath>

#include "app/Graf.h"
#include "scan/Barrido.h"
#include "scan/Esquema.h"
#include "scan/Lambda.h"
#include "scan/Limites.h"
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
  DetieneReloj();
  DibujaCristal(Esquema->ColorFrente());
}

void Graf::DetieneReloj() {
  Reloj.stop();
  Esquema->Libera();
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

void Graf::DibujaEje(const QColor& color) {
  ui::Lienzo& e = *Esquema;
  e.FijaEstilo(ui::Lienzo::Estilo::Punteado);
  e.Linea(kFuenteDerecha, 0, kRadioDetector, 0, color);
  e.FijaEstilo(ui::Lienzo::Estilo::Continuo);
}

void Graf::DibujaHaz(const QColor& color) {
  ui::Lienzo& e = *Esquema;
  e.FijaEstilo(ui::Lienzo::Estilo::Punteado);
  e.Linea(0, 0, kRadioHaz * std::cos(estado_.DeltaRad), kRadioHaz * std::sin(estado_.DeltaRad), color);
  e.FijaEstilo(ui::Lienzo::Estilo::Continuo);
}

void Graf::Reloj_Timer() {
  Estado& e = estado_;
  ui::Lienzo& esquema = *Esquema;
  const QColor blanco = ui::Paleta(15);
  try {
    e.DeltaMedio = e.DeltaRad / 2;
    DibujaEje(esquema.ColorFrente());
    DibujaCristal(esquema.ColorFrente());
    if (e.Intensidad > 50) DibujaHaz(QColor(255, 0, 0));

    const int n = CalculaPunto(e);
    Graf_Espectro->FijaAnchoPluma(2);
    Graf_Espectro->Punto(n / 4.0, e.Intensidad);
    ui::MuestraTexto(*PuntX, FormateaNumero(AGrados(e.DeltaRad)));
    ui::MuestraTexto(*PuntY, FormateaNumero(e.Intensidad));
    Graf_Espectro->FijaAnchoPluma(1);

    // The detector mark darkens with the intensity: black from 357 up.
    const double nivel = std::floor(e.Espectro[n] / 1.4);
    const int g = 255 - static_cast<int>(std::clamp(nivel, 0.0, 255.0));
    const double c = std::cos(e.DeltaRad), s = std::sin(e.DeltaRad);
    esquema.Linea(kRadioMarca * c, kRadioMarca * s, kRadioMarcaFin * c, kRadioMarcaFin * s, QColor(g, g, g));

    // The screen keeps the step's picture until the next tick; the backing
    // image is erased as the step goes on.
    esquema.Presenta();
    DibujaEje(blanco);
    DibujaHaz(blanco);
    DibujaCristal(blanco);

    if (AvanzaAngulo(e)) {
      DetieneReloj();
      dialogos_.Mensaje(this, ui::kTituloInformacion, "Barrido terminado");
      DibujaCristal(esquema.ColorFrente());
    }
  } catch (const ErrorVarlek& error) {
    DetieneReloj();
    ui::MuestraError(dialogos_, this, error.Codigo());
  }
}

}  // namespace varlek
