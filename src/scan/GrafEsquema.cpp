// The diffractometer schematic: source, detector circle with its
// graduation, and the crystal outline.

#include <cmath>

#include "app/Graf.h"
#include "ui/Lienzo.h"
#include "ui/Paleta.h"

namespace varlek {

void Graf::Esquema_Paint() {
  ui::Lienzo& e = *Esquema;
  e.FijaColorFondo(ui::Paleta(15));
  e.FijaColorFrente(ui::Paleta(0));
  e.Escala(-500, 470, 1000, -500);
  e.Arco(0, 0, 380, 0, 3.1416);
  for (int i = 0; i <= 18; ++i) {
    const double a = i * 6.2832 / 36;
    e.Linea(380 * std::cos(a), 380 * std::sin(a), 400 * std::cos(a), 400 * std::sin(a));
  }
  e.FijaAnchoPluma(2);
  e.Linea(-460, 20, -400, 20);
  e.Linea(-460, -20, -400, -20);
  e.Linea(-460, -20, -460, 20);
  e.Linea(-400, -20, -400, 20);
  e.FijaAnchoPluma(1);
  DibujaCristal(e.ColorFrente());
}

void Graf::DibujaCristal(const QColor& color) {
  const double phi = estado_.GiroCristal + estado_.DeltaMedio;
  const double c = std::cos(phi), s = std::sin(phi);
  auto gira = [&](double x, double y) { return QPointF(x * c - y * s, x * s + y * c); };
  const QPointF p1 = gira(15, 15), p2 = gira(-15, 15), p3 = gira(-15, -15), p4 = gira(15, -15);
  ui::Lienzo& e = *Esquema;
  e.Linea(p1.x(), p1.y(), p2.x(), p2.y(), color);
  e.Linea(p1.x(), p1.y(), p4.x(), p4.y(), color);
  e.Linea(p3.x(), p3.y(), p4.x(), p4.y(), color);
  e.Linea(p3.x(), p3.y(), p2.x(), p2.y(), color);
}

}  // namespace varlek
