// The spectrum plot of the main window: its erase with the tick marks and
// the axis labels written around it, the cursor readout, and the commands
// that erase and redraw the curve.

#include "app/Graf.h"
#include "spectrum/Ejes.h"
#include "state/Numeros.h"
#include "ui/Controles.h"
#include "ui/Dialogos.h"
#include "ui/Lienzo.h"
#include "ui/Paleta.h"
#include "ui/SuperficieVentana.h"

namespace varlek {

void Graf::Graf_Espectro_Paint() {
  ui::Lienzo& plot = *Graf_Espectro;
  plot.FijaColorFondo(kFondoGrafica);
  plot.FijaColorFrente(ui::Paleta(0));
  plot.Escala(0, 500, 100, -500);
  for (int i = 1; i <= 10; ++i) plot.Linea(10 * i, 0, 10 * i, 15);
  for (int i = 1; i <= 4; ++i) plot.Linea(0, 100 * i, 1, 100 * i);
}

void Graf::DibujaEjes() {
  const QRect r = Graf_Espectro->geometry();
  const auto angulos = EtiquetasAngulo(estado_.EspectroMin, estado_.EspectroMax);
  for (int k = 0; k <= 10; ++k) {
    const QString texto = QString::fromStdString(angulos[static_cast<std::size_t>(k)]);
    const QSize medida = Superficie->MideTexto(texto);
    Superficie->Escribe(QPoint(r.left() + k * r.width() / 10 - medida.width() / 2, r.bottom() + 1 + ui::Tw(100)),
                        texto);
  }
  const auto intensidades = EtiquetasIntensidad();
  for (int k = 0; k <= 5; ++k) {
    const QString texto = QString::fromStdString(intensidades[static_cast<std::size_t>(k)]);
    const QSize medida = Superficie->MideTexto(texto);
    Superficie->Escribe(
        QPoint(r.left() - ui::Tw(50) - medida.width(), r.top() + k * r.height() / 5 - medida.height() / 2), texto);
  }
}

void Graf::DibujaCurva(const Espectro401& puntos) {
  ui::PlumaTemporal gruesa(*Graf_Espectro, 2);
  for (int i = 0; i <= 400; ++i) Graf_Espectro->Punto(XDeRanura(i), puntos[i]);
}

void Graf::Graf_Espectro_MouseDown(int, int, float x, float y) {
  ui::MuestraTexto(*PuntX, TextoAnguloEn(estado_.EspectroMin, estado_.EspectroMax, x));
  ui::MuestraTexto(*PuntY, FormateaNumero(y));
}

void Graf::Menu_Borrar_Click() {
  Graf_Espectro_Paint();
  // The crystal angle at a scan's start: 2.5° (half of 5°), written with 3.1416.
  estado_.DeltaMedio = 7.854 / 180;
  Esquema_Paint();
}

void Graf::Menu_Dibujar_Click() {
  ui::GuardaPuntero ocupado(dialogos_, this);
  DibujaCurva(estado_.Espectro);
}

}  // namespace varlek
