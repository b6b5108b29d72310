#include "ui/Lienzo.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "state/Angulos.h"

namespace varlek::ui {

Lienzo::Lienzo(QWidget* padre) : QFrame(padre) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void Lienzo::Escala(double izquierda, double arriba, double ancho, double alto) {
  sistema_ = {izquierda, arriba, ancho, alto};
}

void Lienzo::FijaColorFondo(const QColor& color) {
  fondo_ = color;
  Borra();
}

void Lienzo::Borra() {
  AjustaImagen();
  imagen_.fill(fondo_);
  update();
}

namespace {
double PorUnidad(int pixeles, double unidades) { return unidades == 0 ? 0 : (pixeles - 1) / unidades; }
}  // namespace

QPoint SistemaUsuario::APixel(double x, double y, QSize tamano) const {
  const double px = (x - izquierda) * PorUnidad(tamano.width(), ancho);
  const double py = (y - arriba) * PorUnidad(tamano.height(), alto);
  // Far-off coordinates are clamped so that the pixel fits an int; all of
  // them lie off the image anyway.
  auto acota = [](double v) { return static_cast<int>(std::lround(std::clamp(v, -1e6, 1e6))); };
  return QPoint(acota(px), acota(py));
}

QPoint Lienzo::APixel(double x, double y) const { return sistema_.APixel(x, y, imagen_.size()); }

QColor Lienzo::PixelEn(double x, double y) const {
  const QPoint p = APixel(x, y);
  if (!imagen_.rect().contains(p)) return QColor();
  return imagen_.pixelColor(p);
}

QPen Lienzo::Pluma(const QColor& color) const {
  QPen pluma(color);
  pluma.setWidth(anchoPluma_);
  if (estilo_ == Estilo::Punteado) {
    pluma.setCapStyle(Qt::FlatCap);
    pluma.setDashPattern({1.0, 1.0});
  } else {
    pluma.setCapStyle(Qt::SquareCap);
  }
  return pluma;
}

void Lienzo::Punto(double x, double y, std::optional<QColor> color) {
  AjustaImagen();
  const QPoint p = APixel(x, y);
  QPainter pintor(&imagen_);
  const int lado = anchoPluma_;
  pintor.fillRect(p.x() - lado / 2, p.y() - lado / 2, lado, lado, color.value_or(frente_));
  update();
}

void Lienzo::Linea(double x1, double y1, double x2, double y2, std::optional<QColor> color) {
  AjustaImagen();
  QPainter pintor(&imagen_);
  pintor.setPen(Pluma(color.value_or(frente_)));
  pintor.drawLine(APixel(x1, y1), APixel(x2, y2));
  update();
}

void Lienzo::Circulo(double x, double y, double r, std::optional<QColor> color) {
  AjustaImagen();
  const QPoint centro = APixel(x, y);
  const int radio = static_cast<int>(std::lround(std::abs(r * PorUnidad(imagen_.width(), sistema_.ancho))));
  QPainter pintor(&imagen_);
  pintor.setPen(Pluma(color.value_or(frente_)));
  pintor.setBrush(relleno_ ? QBrush(*relleno_) : QBrush(Qt::NoBrush));
  pintor.drawEllipse(centro, radio, radio);
  update();
}

void Lienzo::Arco(double x, double y, double r, double desde, double hasta, std::optional<QColor> color) {
  AjustaImagen();
  const QPoint centro = APixel(x, y);
  const int radio = static_cast<int>(std::lround(std::abs(r * PorUnidad(imagen_.width(), sistema_.ancho))));
  const auto dieciseisavos = [](double radianes) { return static_cast<int>(std::lround(AGrados(radianes) * 16)); };
  QPainter pintor(&imagen_);
  pintor.setPen(Pluma(color.value_or(frente_)));
  pintor.drawArc(QRect(centro.x() - radio, centro.y() - radio, 2 * radio, 2 * radio), dieciseisavos(desde),
                 dieciseisavos(hasta - desde));
  update();
}

void Lienzo::Texto(double x, double y, const QString& texto, double puntos, std::optional<QColor> color) {
  AjustaImagen();
  QPainter pintor(&imagen_);
  QFont fuente = font();
  fuente.setPointSizeF(puntos);
  pintor.setFont(fuente);
  pintor.setPen(color.value_or(frente_));
  const QPoint p = APixel(x, y);
  pintor.drawText(QRect(p, QSize(10000, 10000)), Qt::AlignLeft | Qt::AlignTop, texto);
  update();
}

void Lienzo::Presenta() {
  presentada_ = imagen_.copy();
  update();
}

void Lienzo::Libera() {
  if (!presentada_) return;
  presentada_.reset();
  update();
}

void Lienzo::paintEvent(QPaintEvent* evento) {
  QFrame::paintEvent(evento);
  QPainter pintor(this);
  pintor.drawImage(contentsRect().topLeft(), ImagenMostrada());
}

void Lienzo::resizeEvent(QResizeEvent* evento) {
  QFrame::resizeEvent(evento);
  AjustaImagen();
}

// The backing image follows the surface's size (a hidden widget gets no
// resize event until it is shown, so every drawing call checks it).
void Lienzo::AjustaImagen() {
  const QSize tamano = contentsRect().size().expandedTo(QSize(1, 1));
  if (tamano == imagen_.size()) return;
  QImage nueva(tamano, QImage::Format_RGB32);
  nueva.fill(fondo_);
  QPainter pintor(&nueva);
  pintor.drawImage(0, 0, imagen_);
  imagen_ = nueva;
}

void Lienzo::mousePressEvent(QMouseEvent* evento) {
  if (!AlPulsar) return;
  const QPointF p = evento->position() - contentsRect().topLeft();
  const double ex = PorUnidad(imagen_.width(), sistema_.ancho), ey = PorUnidad(imagen_.height(), sistema_.alto);
  const double x = ex == 0 ? sistema_.izquierda : sistema_.izquierda + p.x() / ex;
  const double y = ey == 0 ? sistema_.arriba : sistema_.arriba + p.y() / ey;
  AlPulsar(static_cast<int>(evento->button()), static_cast<float>(x), static_cast<float>(y));
}

}  // namespace varlek::ui
