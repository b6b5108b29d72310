#pragma once
// Figures of spectra drawn as the main window draws its plot (through
// ui/GraficaEspectro): the part of the window around the plot with its
// frame, tick marks, labels and captions, the curves one over the other, and
// marks of reflections above the plot. Pictures are laid out in the window's
// pixels (96 to the inch) and scaled: SVG and PDF stay vector, a PNG has the
// resolution asked for. Needs a QApplication (fonts and the frame's palette).

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <utility>
#include <vector>

#include "spectrum/DatosFigura.h"
#include "spectrum/LineaFigura.h"

class QPainter;

namespace varlek {

struct Figura {
  double espectroMin = 5;
  float espectroMax = 105;
  std::vector<std::pair<Espectro401, QColor>> curvas;  // drawn in this order
  std::vector<Marca> marcas;
};

// The colour of the n-th spectrum (from 0): black, then the registers'.
QColor ColorCurva(int n);

// The figure's size in window pixels.
QSize TamanoFigura(const Figura& figura);
// Paints the figure with the painter in window pixels, its top-left corner at
// the origin.
void PintaFigura(QPainter& pintor, const Figura& figura);
// The bytes of the picture in SVG, PNG (at `ppp` dots per inch) or PDF;
// empty when it cannot be painted.
QByteArray BytesFigura(const Figura& figura, FormatoFigura formato, double ppp);

}  // namespace varlek
