#pragma once
// Draws the drawings of a metafile with QPainter, its window mapped onto
// a rectangle of the device.

#include <QRectF>

#include "guide/Metarchivo.h"

class QPainter;

namespace varlek::guia {

void DibujaMetarchivo(QPainter& pintor, const Metarchivo& metarchivo, const QRectF& destino);

// The size a metafile asks for at 96 dots per inch, from its placeable
// header; empty when it has none.
QSizeF TamanoNatural(const Metarchivo& metarchivo);

}  // namespace varlek::guia
