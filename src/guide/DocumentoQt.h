#pragma once
// Builds the QTextDocument that shows a read chapter: formats, tables and
// pictures (PNG and JPEG decoded, metafiles drawn, anything else a framed
// empty box of the picture's size).

#include <QImage>
#include <QTextFormat>

#include "guide/ModeloRtf.h"

class QTextDocument;

namespace varlek::guia {

// The block property that marks a paragraph to be printed on the page of
// the next one (a heading, a figure above its caption).
constexpr int kConSiguiente = QTextFormat::UserProperty + 1;

struct OpcionesDocumento {
  // Pictures named by data: addresses, so that the document's HTML carries them.
  bool imagenesEnLinea = false;
};

void ConstruyeDocumento(const Documento& documento, QTextDocument& destino, const OpcionesDocumento& opciones = {});

// A picture as shown, at twice its size in pixels (device pixel ratio 2).
QImage ImagenDe(const Imagen& imagen);

}  // namespace varlek::guia
