#include "guide/ImprimeGuion.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include "guide/DocumentoQt.h"

namespace varlek::guia {

namespace {

constexpr double kPixelesPulgada = 96;  // the window's resolution
constexpr double kPie = 30;             // pixels at the foot of a page for its number
constexpr int kCadenaMaxima = 4;        // marked paragraphs moved together at most

bool ConSiguiente(const QTextBlock& b) { return b.blockFormat().boolProperty(kConSiguiente); }

// The page on which a block's first line stands. The block's box starts
// where the block does; a line pushed to the next page keeps its offset and
// stands at the page's very top, where rounding may leave it a hair short.
int PaginaDe(const QTextBlock& b, double alto) {
  const double linea = b.layout()->lineCount() > 0 ? b.layout()->lineAt(0).y() : 0;
  return static_cast<int>((b.document()->documentLayout()->blockBoundingRect(b).top() + linea + 0.5) / alto);
}

}  // namespace

// Each move of a chain to a new page pushes the rest of the document down,
// so the search starts again after it. The layout is made whole before each
// search: it is otherwise done a part at a time.
void PaginaDocumento(QTextDocument& doc, const QSizeF& pagina) {
  doc.setDocumentMargin(0);
  doc.setPageSize(pagina);
  const double alto = pagina.height();
  doc.pageCount();
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    const QTextBlock siguiente = b.next();
    if (!ConSiguiente(b) || !siguiente.isValid() || PaginaDe(b, alto) == PaginaDe(siguiente, alto)) continue;
    QTextBlock inicio = b;
    for (int n = 1; n < kCadenaMaxima && inicio.previous().isValid() && ConSiguiente(inicio.previous()); ++n)
      inicio = inicio.previous();
    // A chain that already starts its page cannot be helped.
    if (!inicio.previous().isValid() || PaginaDe(inicio.previous(), alto) != PaginaDe(inicio, alto)) continue;
    QTextBlockFormat salto;
    salto.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(inicio).mergeBlockFormat(salto);
    doc.pageCount();
    b = inicio;
  }
}

bool ImprimePdf(QTextDocument& doc, QIODevice& destino, const QString& titulo) {
  QPdfWriter pdf(&destino);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageMargins(QMarginsF(20, 20, 20, 15), QPageLayout::Millimeter);
  pdf.setTitle(titulo);
  pdf.setCreator("varlek-guion");
  const double escala = pdf.resolution() / kPixelesPulgada;
  const QSizeF pagina(pdf.width() / escala, pdf.height() / escala - kPie);
  PaginaDocumento(doc, pagina);

  QPainter pintor;
  if (!pintor.begin(&pdf)) return false;
  pintor.scale(escala, escala);
  // In the layout's pixels: a point size would be taken at the PDF's resolution.
  QFont numero = doc.defaultFont();
  numero.setPixelSize(13);
  const int paginas = doc.pageCount();
  for (int i = 0; i < paginas; ++i) {
    if (i > 0) pdf.newPage();
    const QRectF visible(0, i * pagina.height(), pagina.width(), pagina.height());
    pintor.save();
    pintor.translate(0, -visible.top());
    // The layout paints whole paragraphs: the lines of another page are cut off.
    pintor.setClipRect(visible);
    QAbstractTextDocumentLayout::PaintContext contexto;
    contexto.clip = visible;
    contexto.palette.setColor(QPalette::Text, Qt::black);
    doc.documentLayout()->draw(&pintor, contexto);
    pintor.restore();
    pintor.setFont(numero);
    pintor.drawText(QRectF(0, pagina.height(), pagina.width(), kPie), Qt::AlignHCenter | Qt::AlignBottom,
                    QString::number(i + 1));
  }
  return pintor.end();
}

}  // namespace varlek::guia
