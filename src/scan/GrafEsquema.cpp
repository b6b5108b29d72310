// The diffractometer schematic: source, detector circle with its
// graduation, the crystal outline and the detector marks.

#include <cmath>

#include "app/Graf.h"
#include "scan/Esquema.h"
#include "state/Angulos.h"
#include "ui/Lienzo.h"
#include "ui/Paleta.h"

namespace varlek {

using namespace esquema;

namespace {

// The X-ray source: a box drawn with a pen of width 2.
void DibujaFuente(ui::Lienzo& e) {
  ui::PlumaTemporal gruesa(e, 2);
  const double h = kFuenteMitadAlto;
  e.Linea(kFuenteIzquierda, h, kFuenteDerecha, h);
  e.Linea(kFuenteIzquierda, -h, kFuenteDerecha, -h);
  e.Linea(kFuenteIzquierda, -h, kFuenteIzquierda, h);
  e.Linea(kFuenteDerecha, -h, kFuenteDerecha, h);
}

}  // namespace

void Graf::Esquema_Paint() {
  ui::Lienzo& e = *Esquema;
  e.FijaColorFondo(ui::Paleta(15));
  e.FijaColorFrente(ui::Paleta(0));
  e.Escala(-500, 470, 1000, -500);
  e.Arco(0, 0, kRadioDetector, 0, kMedioGiro);
  // A stroke every 10°.
  for (int i = 0; i <= 18; ++i) {
    const double a = i * kGiroCompleto / 36;
    e.Linea(kRadioDetector * std::cos(a), kRadioDetector * std::sin(a), kRadioGraduacion * std::cos(a),
            kRadioGraduacion * std::sin(a));
  }
  DibujaFuente(e);
  DibujaCristal(e.ColorFrente());
}

void Graf::DibujaMarca(double angulo, const QColor& color) {
  const double c = std::cos(angulo), s = std::sin(angulo);
  Esquema->Linea(kRadioMarca * c, kRadioMarca * s, kRadioMarcaFin * c, kRadioMarcaFin * s, color);
}

void Graf::DibujaCristal(const QColor& color) {
  const double phi = estado_.GiroCristal + estado_.DeltaMedio;
  const double c = std::cos(phi), s = std::sin(phi);
  auto gira = [&](double x, double y) { return QPointF(x * c - y * s, x * s + y * c); };
  const double m = kMitadCristal;
  const QPointF p1 = gira(m, m), p2 = gira(-m, m), p3 = gira(-m, -m), p4 = gira(m, -m);
  ui::Lienzo& e = *Esquema;
  e.Linea(p1.x(), p1.y(), p2.x(), p2.y(), color);
  e.Linea(p1.x(), p1.y(), p4.x(), p4.y(), color);
  e.Linea(p3.x(), p3.y(), p4.x(), p4.y(), color);
  e.Linea(p3.x(), p3.y(), p2.x(), p2.y(), color);
}

}  // namespace varlek
