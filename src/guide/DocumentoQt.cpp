#include "guide/DocumentoQt.h"

#include <QBuffer>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>
#include <deque>

#include "guide/Metarchivo.h"
#include "guide/ReproductorWmf.h"

namespace varlek::guia {

namespace {

constexpr double kTwipsPixel = 15;  // at 96 dots per inch
constexpr double kResolucion = 2;   // pictures are drawn at twice their size
const QString kFamiliaPorDefecto = "Times New Roman";

// The size a picture is shown at, in pixels: its goal size, else its own.
QSizeF TamanoImagen(const Imagen& imagen, const QSizeF& propio) {
  if (imagen.anchoTw > 0 && imagen.altoTw > 0) return {imagen.anchoTw / kTwipsPixel, imagen.altoTw / kTwipsPixel};
  if (!propio.isEmpty()) return propio;
  return {96, 96};
}

QImage Lienzo(const QSizeF& tamano) {
  const QSize pixeles = (tamano * kResolucion).toSize().expandedTo(QSize(1, 1)).boundedTo(QSize(4096, 4096));
  QImage lienzo(pixeles, QImage::Format_ARGB32_Premultiplied);
  lienzo.fill(Qt::transparent);
  lienzo.setDevicePixelRatio(kResolucion);
  return lienzo;
}

QImage CajaVacia(const QSizeF& tamano) {
  QImage caja = Lienzo(tamano);
  QPainter pintor(&caja);
  pintor.setPen(QPen(Qt::darkGray, 1));
  pintor.drawRect(QRectF(QPointF(0.5, 0.5), caja.deviceIndependentSize() - QSizeF(1, 1)));
  return caja;
}

QTextCharFormat FormatoQt(const FormatoCaracter& f) {
  QTextCharFormat formato;
  // Symbol runs hold Unicode Greek by now, shown by an ordinary serif face.
  const bool sinFamilia = f.fuente.empty() || f.fuente == "Symbol";
  formato.setFontFamilies({sinFamilia ? kFamiliaPorDefecto : QString::fromStdString(f.fuente)});
  formato.setFontPointSize(f.medioPuntos / 2.0);
  formato.setFontWeight(f.negrita ? QFont::Bold : QFont::Normal);
  formato.setFontItalic(f.cursiva);
  formato.setFontUnderline(f.subrayado);
  if (f.superindice) formato.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
  if (f.subindice) formato.setVerticalAlignment(QTextCharFormat::AlignSubScript);
  if (f.desplazamiento != 0) formato.setBaselineOffset(100.0 * f.desplazamiento / f.medioPuntos);
  if (f.color) formato.setForeground(QColor(f.color->r, f.color->g, f.color->b));
  return formato;
}

Qt::Alignment AlineacionQt(Alineacion a) {
  switch (a) {
    case Alineacion::Centro:
      return Qt::AlignHCenter;
    case Alineacion::Derecha:
      return Qt::AlignRight;
    case Alineacion::Justificada:
      return Qt::AlignJustify;
    case Alineacion::Izquierda:
      break;
  }
  return Qt::AlignLeft;
}

QTextBlockFormat FormatoQt(const FormatoParrafo& f, bool saltoPagina) {
  QTextBlockFormat formato;
  formato.setLeftMargin(f.sangriaIzquierda / kTwipsPixel);
  formato.setRightMargin(f.sangriaDerecha / kTwipsPixel);
  formato.setTextIndent(f.primeraLinea / kTwipsPixel);
  formato.setTopMargin(f.espacioAntes / kTwipsPixel);
  formato.setBottomMargin(f.espacioDespues / kTwipsPixel);
  formato.setAlignment(AlineacionQt(f.alineacion));
  if (f.interlineado > 0) formato.setLineHeight(f.interlineado / kTwipsPixel, QTextBlockFormat::MinimumHeight);
  if (f.interlineado < 0) formato.setLineHeight(-f.interlineado / kTwipsPixel, QTextBlockFormat::FixedHeight);
  // Tab stops count from the page's margin, Qt's from where the paragraph's
  // first line starts.
  // A hanging indent's first line has a stop at the left indent (where a
  // bullet's text starts), as word processors set it.
  QList<QTextOption::Tab> tabs;
  std::vector<Tabulador> paradas = f.tabuladores;
  if (f.primeraLinea < 0) paradas.push_back({f.sangriaIzquierda, TipoTab::Izquierda});
  for (const Tabulador& t : paradas) {
    const double posicion = (t.posicion - f.sangriaIzquierda - f.primeraLinea) / kTwipsPixel;
    if (posicion <= 0) continue;
    const auto tipo = t.tipo == TipoTab::Derecha   ? QTextOption::RightTab
                      : t.tipo == TipoTab::Centro  ? QTextOption::CenterTab
                      : t.tipo == TipoTab::Decimal ? QTextOption::DelimiterTab
                                                   : QTextOption::LeftTab;
    tabs << QTextOption::Tab(posicion, tipo, t.tipo == TipoTab::Decimal ? QChar(',') : QChar());
  }
  std::sort(tabs.begin(), tabs.end(), [](const auto& a, const auto& b) { return a.position < b.position; });
  formato.setTabPositions(tabs);
  if (saltoPagina) formato.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
  if (f.conSiguiente) formato.setProperty(kConSiguiente, true);
  return formato;
}

class Constructor {
 public:
  Constructor(QTextDocument& doc, const OpcionesDocumento& opciones) : doc_(doc), opciones_(opciones) {}

  void Construye(const Documento& documento) {
    QTextCursor cursor(&doc_);
    // One edit, nothing to undo: the document is only read.
    doc_.setUndoRedoEnabled(false);
    cursor.beginEditBlock();
    bool bloqueLibre = true;  // the cursor's block is empty and not yet used
    for (const Bloque& bloque : documento.bloques) {
      if (const auto* parrafo = std::get_if<Parrafo>(&bloque)) {
        if (!bloqueLibre) cursor.insertBlock();
        Escribe(cursor, *parrafo);
        bloqueLibre = false;
        continue;
      }
      const Cuadro& tabla = std::get<Cuadro>(bloque);
      if (tabla.filas.empty()) continue;
      if (!bloqueLibre) cursor.insertBlock();
      EscribeTabla(cursor, tabla);
      cursor.movePosition(QTextCursor::End);
      bloqueLibre = true;  // the empty block that follows every table
    }
    cursor.endEditBlock();
  }

 private:
  void Escribe(QTextCursor& cursor, const Parrafo& p) {
    cursor.setBlockFormat(FormatoQt(p.formato, p.saltoPaginaAntes));
    if (!p.tramos.empty()) cursor.setBlockCharFormat(Formato(p.tramos.front().formato));
    for (const Tramo& t : p.tramos) {
      if (t.imagen) {
        InsertaImagen(cursor, *t.imagen, Formato(t.formato));
      } else {
        cursor.insertText(QString::fromStdString(t.texto), Formato(t.formato));
      }
    }
  }

  // A chapter uses a few dozen formats: each is converted once.
  const QTextCharFormat& Formato(const FormatoCaracter& f) {
    for (const auto& [clave, formato] : formatos_) {
      if (clave == f) return formato;
    }
    return formatos_.emplace_back(f, FormatoQt(f)).second;
  }

  void EscribeTabla(QTextCursor& cursor, const Cuadro& tabla) {
    const Fila* mayor = &tabla.filas.front();
    for (const Fila& f : tabla.filas) {
      if (f.celdas.size() > mayor->celdas.size()) mayor = &f;
    }
    const int columnas = std::max<int>(1, static_cast<int>(mayor->celdas.size()));
    QTextTableFormat formato;
    formato.setCellPadding(3);
    formato.setCellSpacing(0);
    formato.setBorderCollapse(true);
    formato.setBorder(1);
    // The rows' place on the page, as the first row gives it.
    formato.setAlignment(AlineacionQt(tabla.filas.front().alineacion));
    // The header rows a page break repeats: those the table starts with.
    const auto primeraNoCabecera =
        std::find_if(tabla.filas.begin(), tabla.filas.end(), [](const Fila& f) { return !f.cabecera; });
    formato.setHeaderRowCount(static_cast<int>(primeraNoCabecera - tabla.filas.begin()));
    QList<QTextLength> anchos;
    int izquierda = 0;
    for (int c = 0; c < columnas; ++c) {
      const auto& bordes = mayor->bordesDerechos;
      if (static_cast<std::size_t>(c) < bordes.size() && bordes[c] > izquierda) {
        anchos << QTextLength(QTextLength::FixedLength, (bordes[c] - izquierda) / kTwipsPixel);
        izquierda = bordes[c];
      } else {
        anchos << QTextLength(QTextLength::VariableLength, 0);
      }
    }
    formato.setColumnWidthConstraints(anchos);
    QTextTable* qtabla = cursor.insertTable(static_cast<int>(tabla.filas.size()), columnas, formato);
    for (int r = 0; r < static_cast<int>(tabla.filas.size()); ++r) {
      const Fila& fila = tabla.filas[r];
      for (int c = 0; c < static_cast<int>(fila.celdas.size()) && c < columnas; ++c) {
        QTextCursor enCelda = qtabla->cellAt(r, c).firstCursorPosition();
        bool primero = true;
        for (const Parrafo& p : fila.celdas[c].parrafos) {
          if (!primero) enCelda.insertBlock();
          Escribe(enCelda, p);
          primero = false;
        }
      }
    }
  }

  void InsertaImagen(QTextCursor& cursor, const Imagen& imagen, const QTextCharFormat& alrededor) {
    const QImage dibujo = ImagenDe(imagen);
    QString nombre = QString("imagen:%1").arg(++imagenes_);
    if (opciones_.imagenesEnLinea) {
      QByteArray png;
      QBuffer buffer(&png);
      buffer.open(QIODevice::WriteOnly);
      dibujo.save(&buffer, "PNG");
      nombre = "data:image/png;base64," + QString::fromLatin1(png.toBase64());
    }
    doc_.addResource(QTextDocument::ImageResource, QUrl(nombre), dibujo);
    QTextImageFormat formato;
    formato.merge(alrededor);
    formato.setName(nombre);
    formato.setWidth(dibujo.deviceIndependentSize().width());
    formato.setHeight(dibujo.deviceIndependentSize().height());
    cursor.insertImage(formato);
  }

  QTextDocument& doc_;
  const OpcionesDocumento& opciones_;
  int imagenes_ = 0;
  std::deque<std::pair<FormatoCaracter, QTextCharFormat>> formatos_;
};

}  // namespace

QImage ImagenDe(const Imagen& imagen) {
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(imagen.datos.data()),
                                                   static_cast<qsizetype>(imagen.datos.size()));
  if (imagen.tipo == TipoImagen::Png || imagen.tipo == TipoImagen::Jpeg) {
    QImage foto;
    if (foto.loadFromData(bytes, imagen.tipo == TipoImagen::Png ? "PNG" : "JPEG")) {
      const QSizeF tamano = TamanoImagen(imagen, foto.size());
      QImage lienzo = Lienzo(tamano);
      QPainter pintor(&lienzo);
      pintor.setRenderHint(QPainter::SmoothPixmapTransform);
      pintor.drawImage(QRectF(QPointF(0, 0), tamano), foto);
      return lienzo;
    }
  }
  if (imagen.tipo == TipoImagen::Wmf) {
    if (const auto metarchivo = LeeMetarchivo(imagen.datos); metarchivo && !metarchivo->dibujos.empty()) {
      const QSizeF tamano = TamanoImagen(imagen, TamanoNatural(*metarchivo));
      QImage lienzo = Lienzo(tamano);
      QPainter pintor(&lienzo);
      DibujaMetarchivo(pintor, *metarchivo, QRectF(QPointF(0, 0), tamano));
      return lienzo;
    }
  }
  return CajaVacia(TamanoImagen(imagen, {}));
}

void ConstruyeDocumento(const Documento& documento, QTextDocument& destino, const OpcionesDocumento& opciones) {
  destino.clear();
  QFont fuente(kFamiliaPorDefecto);
  fuente.setPointSize(12);
  destino.setDefaultFont(fuente);
  Constructor(destino, opciones).Construye(documento);
}

}  // namespace varlek::guia
