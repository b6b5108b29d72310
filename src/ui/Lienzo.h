#pragma once
// A drawing surface in the program's own drawing language: a user
// coordinate system (left, top, width, height; a negative height makes y
// grow upwards), background and foreground colours, pen width, solid or
// dotted lines, solid fill, and the primitives point, line, circle, arc and
// text. Everything is drawn into a persistent backing image, so covering
// and uncovering the window loses nothing: an explicit clear is the only
// erase.

#include <QColor>
#include <QFrame>
#include <QImage>
#include <functional>
#include <optional>

namespace varlek::ui {

// A user coordinate system: the left and top edges, the width and the height
// (a negative height makes y grow upwards).
struct SistemaUsuario {
  double izquierda = 0, arriba = 0, ancho = 1, alto = 1;

  // The pixel of an image of `tamano` under (x, y). The edges of the system
  // map onto the first and last pixel, so what is drawn on an edge stays
  // visible.
  QPoint APixel(double x, double y, QSize tamano) const;
};

class Lienzo : public QFrame {
  Q_OBJECT

 public:
  enum class Estilo { Continuo, Punteado };

  explicit Lienzo(QWidget* padre = nullptr);

  // User coordinates: the left and top edges, the width and the height.
  void Escala(double izquierda, double arriba, double ancho, double alto);
  void Escala(const SistemaUsuario& sistema) { sistema_ = sistema; }
  // Sets the background colour and clears the whole surface to it.
  void FijaColorFondo(const QColor& color);
  void FijaColorFrente(const QColor& color) { frente_ = color; }
  QColor ColorFrente() const { return frente_; }
  QColor ColorFondo() const { return fondo_; }
  void FijaAnchoPluma(int pixeles) { anchoPluma_ = pixeles < 1 ? 1 : pixeles; }
  int AnchoPluma() const { return anchoPluma_; }
  void FijaEstilo(Estilo estilo) { estilo_ = estilo; }
  Estilo EstiloLinea() const { return estilo_; }
  // Solid fill of circles in the given colour, or no fill.
  void FijaRelleno(std::optional<QColor> color) { relleno_ = color; }

  // Clears to the background colour.
  void Borra();
  // A point of the pen's width, centred on (x, y).
  void Punto(double x, double y, std::optional<QColor> color = std::nullopt);
  void Linea(double x1, double y1, double x2, double y2, std::optional<QColor> color = std::nullopt);
  // A circle of radius r in units of the horizontal axis.
  void Circulo(double x, double y, double r, std::optional<QColor> color = std::nullopt);
  // An arc from angle `desde` to angle `hasta` (radians, counter-clockwise
  // from the +x axis as seen on screen).
  void Arco(double x, double y, double r, double desde, double hasta, std::optional<QColor> color = std::nullopt);
  // Text whose top-left corner stands at (x, y), in the foreground colour.
  void Texto(double x, double y, const QString& texto, double puntos, std::optional<QColor> color = std::nullopt);

  // The pixel of the backing image under a user coordinate.
  QPoint APixel(double x, double y) const;
  QColor PixelEn(double x, double y) const;
  const QImage& Imagen() const { return imagen_; }

  // What the screen shows between two timer ticks: a copy of the picture as
  // it stands now, kept on screen while the drawing goes on (and erases) in
  // the backing image, until the next Presenta or Libera.
  void Presenta();
  // The screen shows the backing image again.
  void Libera();
  const QImage& ImagenMostrada() const { return presentada_ ? *presentada_ : imagen_; }

  // Mouse-down over the surface: the button and the position in user
  // coordinates.
  std::function<void(int boton, float x, float y)> AlPulsar;

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;

 private:
  void AjustaImagen();
  QPen Pluma(const QColor& color) const;

  QImage imagen_;
  std::optional<QImage> presentada_;
  QColor fondo_{Qt::white};
  QColor frente_{Qt::black};
  std::optional<QColor> relleno_;
  int anchoPluma_ = 1;
  Estilo estilo_ = Estilo::Continuo;
  SistemaUsuario sistema_;
};

// A pen for the length of a scope: the pen width, the line style or the
// foreground colour given is set on building, and all three are as they
// were again on leaving the scope, also by an exception.
class PlumaTemporal {
 public:
  PlumaTemporal(Lienzo& lienzo, int ancho) : PlumaTemporal(lienzo) { lienzo.FijaAnchoPluma(ancho); }
  PlumaTemporal(Lienzo& lienzo, Lienzo::Estilo estilo) : PlumaTemporal(lienzo) { lienzo.FijaEstilo(estilo); }
  PlumaTemporal(Lienzo& lienzo, const QColor& frente) : PlumaTemporal(lienzo) { lienzo.FijaColorFrente(frente); }
  ~PlumaTemporal() {
    lienzo_.FijaAnchoPluma(ancho_);
    lienzo_.FijaEstilo(estilo_);
    lienzo_.FijaColorFrente(frente_);
  }
  PlumaTemporal(const PlumaTemporal&) = delete;
  PlumaTemporal& operator=(const PlumaTemporal&) = delete;

 private:
  explicit PlumaTemporal(Lienzo& lienzo)
      : lienzo_(lienzo), ancho_(lienzo.AnchoPluma()), estilo_(lienzo.EstiloLinea()), frente_(lienzo.ColorFrente()) {}

  Lienzo& lienzo_;
  int ancho_;
  Lienzo::Estilo estilo_;
  QColor frente_;
};

}  // namespace varlek::ui
