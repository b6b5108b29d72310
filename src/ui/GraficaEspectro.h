#pragma once
// The spectrum plot as the main window shows it: the plot's place, user
// coordinates and background, its tick marks, the angle and intensity labels
// written around it, its two captions and the curve rule. The main window
// draws it on its surfaces and the figures of varlek-figura on a painter,
// both through these routines, so that the two cannot differ.

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include "state/Estado.h"
#include "ui/Lienzo.h"

namespace varlek::ui {

class SuperficieVentana;

inline const QColor kFondoGrafica(255, 255, 192);
inline constexpr SistemaUsuario kSistemaGrafica{0, 500, 100, -500};
// The plot's outer rectangle on the main window, in pixels.
QRect RectGrafica();

// The captions beside the plot: the intensity's and the angle's.
struct Rotulo {
  const char* nombre;
  const char* texto;
  QRect rect;  // pixels on the main window
};
const Rotulo& RotuloIntensidad();
const Rotulo& RotuloAngulo();
QFont FuenteRotulos();
inline const QColor kColorRotulos(0, 0, 192);

// Where the plot is drawn. Lines and points are in the plot's user
// coordinates, in the destination's foreground colour (a point in its pen
// width); texts are written with their top-left corner at a pixel of the
// main window, in the window's font.
class DestinoGrafica {
 public:
  virtual void Linea(double x1, double y1, double x2, double y2) = 0;
  virtual void Punto(double x, double y) = 0;
  virtual void Escribe(QPoint esquina, const QString& texto) = 0;
  virtual QSize MideTexto(const QString& texto) const = 0;

 protected:
  ~DestinoGrafica() = default;
};

// The tick marks: ten along the bottom edge, four along the left edge.
void DibujaMarcas(DestinoGrafica& destino);
// The angle labels under the plot for the range given and the intensity
// labels 100 to 0 to its left.
void DibujaEtiquetas(DestinoGrafica& destino, double espectroMin, float espectroMax);
// The 401 points of a spectrum at x = i/4, in the destination's pen.
void DibujaPuntos(DestinoGrafica& destino, const Espectro401& puntos);

// The main window's plot surface and the surface its labels are written on.
class GraficaVentana final : public DestinoGrafica {
 public:
  GraficaVentana(Lienzo& grafica, SuperficieVentana& superficie) : grafica_(grafica), superficie_(superficie) {}
  void Linea(double x1, double y1, double x2, double y2) override { grafica_.Linea(x1, y1, x2, y2); }
  void Punto(double x, double y) override { grafica_.Punto(x, y); }
  void Escribe(QPoint esquina, const QString& texto) override;
  QSize MideTexto(const QString& texto) const override;

 private:
  Lienzo& grafica_;
  SuperficieVentana& superficie_;
};

}  // namespace varlek::ui
