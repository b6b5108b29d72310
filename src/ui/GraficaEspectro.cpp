#include "ui/GraficaEspectro.h"

#include "spectrum/Ejes.h"
#include "ui/Controles.h"
#include "ui/Paleta.h"
#include "ui/SuperficieVentana.h"

namespace varlek::ui {

QRect RectGrafica() { return TwRect(1200, 4320, 10575, 3015); }

const Rotulo& RotuloIntensidad() {
  static const Rotulo rotulo{"Label2", "I(U.A.)", TwRect(120, 3840, 735, 375)};
  return rotulo;
}

const Rotulo& RotuloAngulo() {
  static const Rotulo rotulo{"Label1", "Angulo de difracción", TwRect(5640, 7680, 3135, 255)};
  return rotulo;
}

QFont FuenteRotulos() { return Fuente("MS Sans Serif", 9.75); }

void DibujaMarcas(DestinoGrafica& destino) {
  for (int i = 1; i <= 10; ++i) destino.Linea(10 * i, 0, 10 * i, 15);
  for (int i = 1; i <= 4; ++i) destino.Linea(0, 100 * i, 1, 100 * i);
}

// Angle labels centred under x = 0, 10, … 100 with their top edge 100 twips
// below the plot; intensity labels with their right edge 50 twips left of it,
// centred on the heights of the vertical tick marks and of both edges.
void DibujaEtiquetas(DestinoGrafica& destino, double espectroMin, float espectroMax) {
  const QRect r = RectGrafica();
  const auto angulos = EtiquetasAngulo(espectroMin, espectroMax);
  for (int k = 0; k <= 10; ++k) {
    const QString texto = QString::fromStdString(angulos[static_cast<std::size_t>(k)]);
    const QSize medida = destino.MideTexto(texto);
    destino.Escribe(QPoint(r.left() + k * r.width() / 10 - medida.width() / 2, r.bottom() + 1 + Tw(100)), texto);
  }
  const auto intensidades = EtiquetasIntensidad();
  for (int k = 0; k <= 5; ++k) {
    const QString texto = QString::fromStdString(intensidades[static_cast<std::size_t>(k)]);
    const QSize medida = destino.MideTexto(texto);
    destino.Escribe(QPoint(r.left() - Tw(50) - medida.width(), r.top() + k * r.height() / 5 - medida.height() / 2),
                    texto);
  }
}

void DibujaPuntos(DestinoGrafica& destino, const Espectro401& puntos) {
  for (int i = 0; i <= 400; ++i) destino.Punto(XDeRanura(i), puntos[i]);
}

void GraficaVentana::Escribe(QPoint esquina, const QString& texto) { superficie_.Escribe(esquina, texto); }
QSize GraficaVentana::MideTexto(const QString& texto) const { return superficie_.MideTexto(texto); }

}  // namespace varlek::ui
