// The spectrum plot of the main window: its erase with the tick marks and
// the axis labels written around it, the cursor readout, and the commands
// that erase and redraw the curve.

#include "app/Graf.h"
#include "spectrum/Ejes.h"
#include "state/Angulos.h"
#include "state/Numeros.h"
#include "ui/Controles.h"
#include "ui/Dialogos.h"
#include "ui/GraficaEspectro.h"
#include "ui/Lienzo.h"
#include "ui/Paleta.h"
#include "ui/SuperficieVentana.h"

namespace varlek {

void Graf::Graf_Espectro_Paint() {
  ui::Lienzo& plot = *Graf_Espectro;
  plot.FijaColorFondo(ui::kFondoGrafica);
  plot.FijaColorFrente(ui::Paleta(0));
  plot.Escala(ui::kSistemaGrafica);
  ui::GraficaVentana destino(plot, *Superficie);
  ui::DibujaMarcas(destino);
}

void Graf::DibujaEjes() {
  ui::GraficaVentana destino(*Graf_Espectro, *Superficie);
  ui::DibujaEtiquetas(destino, estado_.EspectroMin, estado_.EspectroMax);
}

void Graf::DibujaCurva(const Espectro401& puntos) {
  ui::PlumaTemporal gruesa(*Graf_Espectro, 2);
  ui::GraficaVentana destino(*Graf_Espectro, *Superficie);
  ui::DibujaPuntos(destino, puntos);
}

void Graf::Graf_Espectro_MouseDown(int, int, float x, float y) {
  ui::MuestraTexto(*PuntX, TextoAnguloEn(estado_.EspectroMin, estado_.EspectroMax, x));
  ui::MuestraTexto(*PuntY, FormateaNumero(y));
}

void Graf::Menu_Borrar_Click() {
  Graf_Espectro_Paint();
  // The crystal angle at a scan's start: half of 5°.
  estado_.DeltaMedio = ARadianes(5) / 2;
  Esquema_Paint();
}

void Graf::Menu_Dibujar_Click() {
  ui::GuardaPuntero ocupado(dialogos_, this);
  DibujaCurva(estado_.Espectro);
}

}  // namespace varlek
