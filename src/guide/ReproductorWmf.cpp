#include "guide/ReproductorWmf.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace varlek::guia {

namespace {

QColor Color(const ColorRgb& c) { return QColor(c.r, c.g, c.b); }

// The window of a drawing: the one set by its records, else the placeable
// frame, else the box around every point.
VentanaWmf VentanaDe(const Metarchivo& m, const DibujoWmf& d) {
  if (d.ventana.ancho != 0 && d.ventana.alto != 0) return d.ventana;
  if (m.marco && m.marco->ancho != 0 && m.marco->alto != 0) return *m.marco;
  int x0 = 0, y0 = 0, x1 = 1, y1 = 1;
  bool primero = true;
  for (const DibujoWmf& otro : m.dibujos) {
    for (const PuntoWmf& p : otro.puntos) {
      x0 = primero ? p.x : std::min(x0, p.x);
      y0 = primero ? p.y : std::min(y0, p.y);
      x1 = primero ? p.x + 1 : std::max(x1, p.x);
      y1 = primero ? p.y + 1 : std::max(y1, p.y);
      primero = false;
    }
  }
  return {x0, y0, std::max(1, x1 - x0), std::max(1, y1 - y0)};
}

QFont FuenteQt(const FuenteWmf& f, double escalaY) {
  const bool simbolo = f.juego == 2 || f.cara == "Symbol";
  // The Symbol characters are already Unicode: any serif face with Greek shows them.
  QFont fuente(simbolo || f.cara.empty() ? QString("Times New Roman") : QString::fromStdString(f.cara));
  // A positive height is that of the character cell, leading included.
  const double alto = std::abs(f.alto) * escalaY * (f.alto > 0 ? 0.8 : 1.0);
  fuente.setPixelSize(std::max(1, static_cast<int>(std::lround(alto))));
  fuente.setBold(f.peso >= 600);
  fuente.setItalic(f.cursiva);
  return fuente;
}

}  // namespace

QSizeF TamanoNatural(const Metarchivo& m) {
  if (!m.marco || m.unidadesPulgada <= 0) return {};
  return {std::abs(m.marco->ancho) * 96.0 / m.unidadesPulgada, std::abs(m.marco->alto) * 96.0 / m.unidadesPulgada};
}

void DibujaMetarchivo(QPainter& pintor, const Metarchivo& m, const QRectF& destino) {
  pintor.save();
  pintor.setRenderHint(QPainter::Antialiasing);
  pintor.setRenderHint(QPainter::TextAntialiasing);
  pintor.setClipRect(destino);
  for (const DibujoWmf& d : m.dibujos) {
    const VentanaWmf v = VentanaDe(m, d);
    const double sx = destino.width() / v.ancho, sy = destino.height() / v.alto;
    const auto aDispositivo = [&](const PuntoWmf& p) {
      return QPointF(destino.left() + (p.x - v.x) * sx, destino.top() + (p.y - v.y) * sy);
    };
    QPolygonF poligono;
    for (const PuntoWmf& p : d.puntos) poligono << aDispositivo(p);
    if (d.lapiz.visible) {
      QPen lapiz(Color(d.lapiz.color));
      lapiz.setWidthF(std::max(1.0, d.lapiz.ancho * std::abs(sx)));
      lapiz.setCapStyle(Qt::FlatCap);
      pintor.setPen(lapiz);
    } else {
      pintor.setPen(Qt::NoPen);
    }
    pintor.setBrush(d.brocha.visible ? QBrush(Color(d.brocha.color)) : QBrush(Qt::NoBrush));
    switch (d.tipo) {
      case TipoDibujoWmf::Linea:
        pintor.drawPolyline(poligono);
        break;
      case TipoDibujoWmf::Poligono:
        pintor.drawPolygon(poligono);
        break;
      case TipoDibujoWmf::Rectangulo:
        if (poligono.size() == 2) pintor.drawRect(QRectF(poligono[0], poligono[1]).normalized());
        break;
      case TipoDibujoWmf::Texto: {
        if (poligono.isEmpty()) break;
        const QFont fuente = FuenteQt(d.fuente, std::abs(sy));
        const QFontMetricsF medidas(fuente);
        const QString texto = QString::fromStdString(d.texto);
        QPointF punto = poligono[0];
        if ((d.alineacion & alineacionwmf::Centro) == alineacionwmf::Centro) {
          punto.rx() -= medidas.horizontalAdvance(texto) / 2;
        } else if (d.alineacion & alineacionwmf::Derecha) {
          punto.rx() -= medidas.horizontalAdvance(texto);
        }
        const int vertical = d.alineacion & alineacionwmf::Base;
        if (vertical == alineacionwmf::Abajo) punto.ry() -= medidas.descent();
        if (vertical == 0) punto.ry() += medidas.ascent();  // the top of the text
        pintor.setFont(fuente);
        pintor.setPen(Color(d.colorTexto));
        pintor.drawText(punto, texto);
        break;
      }
    }
  }
  pintor.restore();
}

}  // namespace varlek::guia
