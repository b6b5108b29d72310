#include "spectrum/FiguraEspectro.h"

#include <qdrawutil.h>

#include <QBuffer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "files/Registros.h"
#include "ui/Controles.h"
#include "ui/GraficaEspectro.h"
#include "ui/Paleta.h"

namespace varlek {

namespace {

// The main window's text colour, in which its axis labels are written.
const QColor kTextoVentana(0, 0, 128);
// The part of the main window a figure shows, in pixels: from the intensity
// caption down past the angle caption, and right past the last angle label.
const QRect kZona = ui::TwRect(0, 3780, 12000, 4260);
constexpr int kTrazoMarca = 6;  // length of a reflection's tick above the plot, pixels

// The plot drawn with a painter in window pixels: lines and points in the
// plot's inside (the frame's 1 pixel in), clipped to it, as the plot
// surface maps them; texts in the application's font, as the window writes
// its labels.
class PintorGrafica final : public ui::DestinoGrafica {
 public:
  explicit PintorGrafica(QPainter& pintor) : pintor_(pintor), dentro_(ui::RectGrafica().adjusted(1, 1, -1, -1)) {}
  void Linea(double x1, double y1, double x2, double y2) override {
    Recorta recorte(pintor_, dentro_);
    pintor_.setPen(QPen(color_, 1, Qt::SolidLine, Qt::SquareCap));
    pintor_.drawLine(APixel(x1, y1), APixel(x2, y2));
  }
  void Punto(double x, double y) override {
    Recorta recorte(pintor_, dentro_);
    const QPoint p = APixel(x, y);
    pintor_.fillRect(p.x() - ancho_ / 2, p.y() - ancho_ / 2, ancho_, ancho_, color_);
  }
  void Escribe(QPoint esquina, const QString& texto) override {
    pintor_.setFont(QGuiApplication::font());
    pintor_.setPen(kTextoVentana);
    pintor_.drawText(esquina + QPoint(0, QFontMetrics(QGuiApplication::font()).ascent()), texto);
  }
  QSize MideTexto(const QString& texto) const override {
    const QFontMetrics medidas(QGuiApplication::font());
    return QSize(medidas.horizontalAdvance(texto), medidas.height());
  }
  void FijaPluma(const QColor& color, int ancho) {
    color_ = color;
    ancho_ = ancho;
  }
  QPoint APixel(double x, double y) const {
    return dentro_.topLeft() + ui::kSistemaGrafica.APixel(x, y, dentro_.size());
  }

 private:
  struct Recorta {
    Recorta(QPainter& p, const QRect& r) : p_(p) {
      p_.save();
      p_.setClipRect(r);
    }
    ~Recorta() { p_.restore(); }
    QPainter& p_;
  };

  QPainter& pintor_;
  QRect dentro_;
  QColor color_ = ui::Paleta(0);
  int ancho_ = 1;
};

// The reflections' labels in rows above the plot: a label goes to the
// lowest row where it does not touch the one before it.
struct Rotulada {
  int x;  // pixel of the tick
  QRect caja;
  QString texto;
};

std::vector<Rotulada> DisponeMarcas(const Figura& figura) {
  std::vector<Rotulada> rotuladas;
  if (figura.marcas.empty()) return rotuladas;
  const QFontMetrics medidas(ui::FuenteComun());
  const QRect plot = ui::RectGrafica();
  const QRect dentro = plot.adjusted(1, 1, -1, -1);
  std::vector<int> finFila;  // right edge of the last label of each row
  const double ancho = figura.espectroMax - figura.espectroMin;
  for (const Marca& m : figura.marcas) {
    const double x = ancho == 0 ? -1 : (m.dosTheta - figura.espectroMin) * 100 / ancho;
    if (!(x >= 0 && x <= 100)) continue;
    const int px = dentro.left() + ui::kSistemaGrafica.APixel(x, 0, dentro.size()).x();
    const QString texto = QString::fromStdString(m.texto);
    const int w = medidas.horizontalAdvance(texto), h = medidas.height();
    std::size_t fila = 0;
    while (fila < finFila.size() && finFila[fila] + 3 > px - w / 2) ++fila;
    if (fila == finFila.size()) finFila.push_back(0);
    finFila[fila] = px - w / 2 + w;
    const int fondo = plot.top() - kTrazoMarca - 1 - static_cast<int>(fila) * h;
    rotuladas.push_back({px, QRect(px - w / 2, fondo - h, w, h), texto});
  }
  return rotuladas;
}

QRect ZonaFigura(const Figura& figura) {
  QRect zona = kZona;
  for (const Rotulada& r : DisponeMarcas(figura)) zona.setTop(std::min(zona.top(), r.caja.top() - 2));
  return zona;
}

}  // namespace

QColor ColorCurva(int n) {
  static const LetraRegistro kRegistros[] = {LetraRegistro::X, LetraRegistro::Y, LetraRegistro::Z};
  return n == 0 ? ui::Paleta(0) : ui::Paleta(ColorRegistro(kRegistros[(n - 1) % 3]));
}

QSize TamanoFigura(const Figura& figura) { return ZonaFigura(figura).size(); }

void PintaFigura(QPainter& pintor, const Figura& figura) {
  const QRect zona = ZonaFigura(figura);
  pintor.save();
  pintor.translate(-zona.topLeft());
  pintor.fillRect(zona, ui::kFondoDialogo);
  const QRect plot = ui::RectGrafica();
  qDrawShadePanel(&pintor, plot, QGuiApplication::palette(), true, 1);
  pintor.fillRect(plot.adjusted(1, 1, -1, -1), ui::kFondoGrafica);

  PintorGrafica grafica(pintor);
  ui::DibujaMarcas(grafica);
  ui::DibujaEtiquetas(grafica, figura.espectroMin, figura.espectroMax);
  pintor.setFont(ui::FuenteRotulos());
  pintor.setPen(ui::kColorRotulos);
  for (const ui::Rotulo* r : {&ui::RotuloIntensidad(), &ui::RotuloAngulo()})
    pintor.drawText(r->rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QString::fromUtf8(r->texto));
  for (const auto& [puntos, color] : figura.curvas) {
    grafica.FijaPluma(color, 2);
    ui::DibujaPuntos(grafica, puntos);
  }

  pintor.setFont(ui::FuenteComun());
  for (const Rotulada& r : DisponeMarcas(figura)) {
    pintor.setPen(QPen(ui::Paleta(0), 1, Qt::SolidLine, Qt::FlatCap));
    pintor.drawLine(QPoint(r.x, plot.top() - 1), QPoint(r.x, plot.top() - kTrazoMarca));
    pintor.setPen(kTextoVentana);
    pintor.drawText(r.caja, Qt::AlignCenter, r.texto);
  }
  pintor.restore();
}

QByteArray BytesFigura(const Figura& figura, FormatoFigura formato, double ppp) {
  const QSize tamano = TamanoFigura(figura);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPainter pintor;
  if (formato == FormatoFigura::Png) {
    // Laid out at the window's 96 dots per inch (fonts included), drawn at
    // the resolution asked for, which the file then records.
    const double escala = ppp / 96;
    QImage imagen((QSizeF(tamano) * escala).toSize(), QImage::Format_RGB32);
    const int ppm96 = qRound(96 / 0.0254);
    imagen.setDotsPerMeterX(ppm96);
    imagen.setDotsPerMeterY(ppm96);
    if (!pintor.begin(&imagen)) return {};
    pintor.scale(escala, escala);
    PintaFigura(pintor, figura);
    pintor.end();
    imagen.setDotsPerMeterX(qRound(ppp / 0.0254));
    imagen.setDotsPerMeterY(qRound(ppp / 0.0254));
    if (!imagen.save(&buffer, "PNG")) return {};
  } else if (formato == FormatoFigura::Pdf) {
    QPdfWriter pdf(&buffer);
    pdf.setResolution(96);
    pdf.setPageSize(QPageSize(QSizeF(tamano) * 72 / 96, QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle("Difractograma");
    pdf.setCreator("varlek-figura");
    if (!pintor.begin(&pdf)) return {};
    PintaFigura(pintor, figura);
    pintor.end();
  } else {
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(tamano);
    svg.setViewBox(QRect(QPoint(0, 0), tamano));
    svg.setResolution(96);
    svg.setTitle("Difractograma");
    if (!pintor.begin(&svg)) return {};
    PintaFigura(pintor, figura);
    pintor.end();
  }
  return bytes;
}

}  // namespace varlek
