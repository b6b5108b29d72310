#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>

#include "apoyo/Aplicacion.h"
#include "apoyo/Comun.h"
#include "apoyo/Referencia.h"
#include "guide/DocumentoQt.h"
#include "guide/ImprimeGuion.h"
#include "guide/LectorRtf.h"

namespace varlek::guia {
namespace {

struct DocumentoQt : ::testing::Test, prueba::ConAplicacion {};

TEST_F(DocumentoQt, FormatsAndTablesReachTheDocument) {
  QTextDocument doc;
  ConstruyeDocumento(
      LeeRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}\\pard\\li720\\fi-360\\tx1440\\tqr\\tx2160"
             " a{\\b b}{\\super c}{\\f1 q}\\par\\trowd\\trqc\\trhdr\\cellx1500\\cellx4500\\pard\\intbl x\\cell "
             "y\\cell\\row"
             "\\pard\\qc fin\\par}"),
      doc);
  const QTextBlock primero = doc.firstBlock();
  EXPECT_DOUBLE_EQ(primero.blockFormat().leftMargin(), 48);
  EXPECT_DOUBLE_EQ(primero.blockFormat().textIndent(), -24);
  // Tab stops count from the page margin in the file and from the first
  // line's start in Qt; a hanging indent adds a stop at the left indent.
  QStringList tabs;
  for (const QTextOption::Tab& t : primero.blockFormat().tabPositions())
    tabs << QString::number(t.position) + (t.type == QTextOption::RightTab ? " derecho" : "");
  EXPECT_EQ(tabs, (QStringList{"24", "72", "120 derecho"}));
  const auto* tabla = qobject_cast<QTextTable*>(doc.rootFrame()->childFrames().value(0));
  ASSERT_NE(tabla, nullptr);
  EXPECT_EQ(tabla->format().headerRowCount(), 1);  // repeated on each page the table spans
  // The runs' faces, weights and superscript, the cells' widths, a centred
  // table under a centred caption, as a page shows them.
  doc.setTextWidth(480);
  QImage pagina(480, static_cast<int>(doc.size().height()), QImage::Format_ARGB32);
  pagina.fill(Qt::white);
  QPainter pintor(&pagina);
  doc.drawContents(&pintor);
  pintor.end();
  EXPECT_TRUE(prueba::ComoReferencia(pagina, "tabla-centrada"));
}

TEST_F(DocumentoQt, PicturesDecodedDrawnOrEmptyBoxes) {
  // A bitmap with half a goal size keeps its own.
  QImage rojo(4, 2, QImage::Format_RGB32);
  rojo.fill(Qt::red);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  rojo.save(&buffer, "PNG");
  const QImage png = ImagenDe({TipoImagen::Png, {bytes.begin(), bytes.end()}, 600, 0});
  EXPECT_EQ(png.deviceIndependentSize(), QSizeF(4, 2));
  EXPECT_EQ(png.pixelColor(png.width() / 2, png.height() / 2), QColor(Qt::red));
  // A formula at its goal size, each of its four texts where it was written.
  const std::string bragg = prueba::LeeFichero(VARLEK_FUENTES_PRUEBAS "/guide/casos/formula.wmf");
  const QImage formula = ImagenDe({TipoImagen::Wmf, {bragg.begin(), bragg.end()}, 2400, 480});
  EXPECT_EQ(formula.deviceIndependentSize(), QSizeF(160, 32));
  EXPECT_TRUE(prueba::ComoReferencia(formula, "formula"));
  // Nothing readable: a framed empty box of the picture's size.
  const QImage caja = ImagenDe({TipoImagen::Png, {1, 2}, 300, 150});
  EXPECT_EQ(caja.deviceIndependentSize(), QSizeF(20, 10));
  EXPECT_TRUE(prueba::ComoReferencia(caja, "caja-vacia"));
  EXPECT_EQ(ImagenDe({TipoImagen::Wmf, {0xD7, 0xCD, 0xC6, 0x9A}, 300, 150}), caja);
}

// A heading that a page would end goes to the next page with its paragraph.
TEST_F(DocumentoQt, AKeptParagraphGoesToThePageOfTheNext) {
  QTextDocument doc;
  ConstruyeDocumento(LeeRtf("{\\rtf1 uno\\par dos\\par\\keepn Titulo\\par\\pard cuerpo\\par}"), doc);
  doc.setDocumentMargin(0);
  const QTextBlock titulo = doc.begin().next().next();
  const double alto = doc.documentLayout()->blockBoundingRect(titulo).bottom() + 1;
  PaginaDocumento(doc, QSizeF(400, alto));
  QList<int> paginas;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    const double linea = doc.documentLayout()->blockBoundingRect(b).top() + b.layout()->lineAt(0).y();
    paginas << static_cast<int>((linea + 0.5) / alto);
  }
  EXPECT_EQ(paginas, (QList<int>{0, 0, 1, 1}));
}

}  // namespace
}  // namespace varlek::guia
