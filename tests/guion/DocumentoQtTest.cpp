#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>

#include "apoyo/Aplicacion.h"
#include "guide/DocumentoQt.h"
#include "guide/LectorRtf.h"
#include "guide/Wmf.h"

namespace varlek::guia {
namespace {

struct DocumentoQt : ::testing::Test, prueba::ConAplicacion {};

std::vector<std::uint8_t> Png(QSize tamano, QColor color) {
  QImage imagen(tamano, QImage::Format_RGB32);
  imagen.fill(color);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  imagen.save(&buffer, "PNG");
  return {bytes.begin(), bytes.end()};
}

int Oscuros(const QImage& imagen, QRect zona) {
  int n = 0;
  for (int y = zona.top(); y <= zona.bottom(); ++y) {
    for (int x = zona.left(); x <= zona.right(); ++x)
      n += qAlpha(imagen.pixel(x, y)) > 128 && qGray(imagen.pixel(x, y)) < 160;
  }
  return n;
}

TEST_F(DocumentoQt, FormatsAndTablesReachTheDocument) {
  QTextDocument doc;
  ConstruyeDocumento(
      LeeRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}\\pard\\li720\\fi-360\\tx1440\\tx2160"
             " a{\\b b}{\\super c}{\\f1 q}\\par\\trowd\\cellx1500\\cellx4500\\pard\\intbl x\\cell y\\cell\\row"
             "\\pard\\qc fin\\par}"),
      doc);
  const QTextBlock primero = doc.firstBlock();
  EXPECT_EQ(primero.text(), "abcθ");
  EXPECT_DOUBLE_EQ(primero.blockFormat().leftMargin(), 48);
  EXPECT_DOUBLE_EQ(primero.blockFormat().textIndent(), -24);
  // Tab stops count from the page margin in the file and from the first
  // line's start in Qt; a hanging indent adds a stop at the left indent.
  QList<qreal> tabs;
  for (const QTextOption::Tab& t : primero.blockFormat().tabPositions()) tabs << t.position;
  EXPECT_EQ(tabs, (QList<qreal>{24, 72, 120}));
  QStringList familias;
  QList<bool> negritas;
  QList<int> verticales;
  for (auto it = primero.begin(); !it.atEnd(); ++it) {
    const QTextCharFormat f = it.fragment().charFormat();
    familias << f.fontFamilies().toStringList().value(0);
    negritas << (f.fontWeight() == QFont::Bold);
    verticales << f.verticalAlignment();
  }
  EXPECT_EQ(familias, (QStringList{"Arial", "Arial", "Arial", "Times New Roman"}));
  EXPECT_EQ(negritas, (QList<bool>{false, true, false, false}));
  EXPECT_EQ(verticales[2], QTextCharFormat::AlignSuperScript);

  QTextTable* tabla = nullptr;
  for (QTextFrame* marco : doc.rootFrame()->childFrames()) tabla = tabla ? tabla : qobject_cast<QTextTable*>(marco);
  ASSERT_NE(tabla, nullptr);
  EXPECT_TRUE(tabla->rows() == 1 && tabla->columns() == 2);
  const QTextCursor celda = tabla->cellAt(0, 1).firstCursorPosition();
  EXPECT_EQ(celda.block().text(), "y");
  const auto anchos = tabla->format().columnWidthConstraints();
  EXPECT_EQ(anchos.value(0).rawValue(), 100);
  EXPECT_EQ(anchos.value(1).rawValue(), 200);
  EXPECT_EQ(doc.lastBlock().text(), "fin");
  EXPECT_EQ(doc.lastBlock().blockFormat().alignment(), Qt::AlignHCenter);
}

TEST_F(DocumentoQt, PicturesDecodedDrawnOrEmptyBoxes) {
  // A bitmap at its goal size.
  const QImage png = ImagenDe({TipoImagen::Png, Png({4, 2}, Qt::red), 600, 300});
  EXPECT_EQ(png.deviceIndependentSize(), QSizeF(40, 20));
  EXPECT_EQ(png.pixelColor(png.width() / 2, png.height() / 2), QColor(Qt::red));
  // A formula: each of its four texts leaves ink where it was written.
  const QImage formula = ImagenDe({TipoImagen::Wmf, prueba::FormulaBragg().Bytes(), 2400, 480});
  ASSERT_EQ(formula.deviceIndependentSize(), QSizeF(160, 32));
  const double escala = formula.width() / 2400.0;
  for (const auto& [desde, hasta] : {std::pair{40, 200}, {200, 400}, {400, 1900}, {1900, 2400}}) {
    const QRect zona(int(desde * escala), 0, int((hasta - desde) * escala) - 1, formula.height());
    EXPECT_GT(Oscuros(formula, zona), 5) << desde;
  }
  // Nothing readable: a framed empty box of the picture's size.
  for (const Imagen& rota : {Imagen{TipoImagen::Emf, {1, 2, 3}, 300, 150}, Imagen{TipoImagen::Png, {1, 2}, 300, 150},
                             Imagen{TipoImagen::Wmf, {0xD7, 0xCD, 0xC6, 0x9A}, 300, 150}}) {
    const QImage caja = ImagenDe(rota);
    EXPECT_EQ(caja.deviceIndependentSize(), QSizeF(20, 10));
    EXPECT_GT(Oscuros(caja, QRect(0, 0, caja.width(), 2)), 0);
    EXPECT_EQ(qAlpha(caja.pixel(caja.width() / 2, caja.height() / 2)), 0);
  }
}

// The command-line companion: text by default, HTML with its pictures, PDF,
// and its failures.
TEST_F(DocumentoQt, VarlekGuionConvertsAChapter) {
  QTemporaryDir dir;
  const std::string rtf =
      "{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset2 Symbol;}}Bragg: {\\f1 l}\\par"
      "\\trowd\\cellx900\\cellx1800\\pard\\intbl h\\cell k\\cell\\row\\pard"
      "{\\pict\\wmetafile8\\picwgoal2400\\pichgoal480 " +
      prueba::FormulaBragg().Hex() + "}\\par}";
  const QString entrada = dir.filePath("c.rtf");
  {
    QFile f(entrada);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::fromStdString(rtf));
  }
  const auto Ejecuta = [](const QStringList& argumentos) {
    QProcess p;
    p.start(VARLEK_GUION, argumentos);
    p.waitForFinished(60000);
    return std::pair{p.exitCode(), QString::fromUtf8(p.readAllStandardOutput())};
  };
  EXPECT_EQ(Ejecuta({entrada}), std::pair(0, QString("Bragg: λ\nh\tk\n\n")));
  EXPECT_EQ(Ejecuta({entrada, "-o", dir.filePath("c.html")}).first, 0);
  QFile html(dir.filePath("c.html"));
  ASSERT_TRUE(html.open(QIODevice::ReadOnly));
  const QString contenido = QString::fromUtf8(html.readAll());
  EXPECT_TRUE(contenido.contains("Bragg: λ"));
  EXPECT_TRUE(contenido.contains("<table"));
  EXPECT_TRUE(contenido.contains("src=\"data:image/png;base64,"));
  EXPECT_EQ(Ejecuta({entrada, "-o", dir.filePath("c.pdf")}).first, 0);
  QFile pdf(dir.filePath("c.pdf"));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");
  EXPECT_EQ(Ejecuta({dir.filePath("no-existe.rtf")}).first, 1);
  EXPECT_EQ(Ejecuta({entrada, "-o", dir.filePath("no/existe.pdf")}).first, 1);
  EXPECT_EQ(Ejecuta({entrada, "-x"}).first, 2);
  EXPECT_EQ(Ejecuta({}).first, 2);
  const auto ayuda = Ejecuta({"--help"});
  EXPECT_TRUE(ayuda.first == 0 && !ayuda.second.isEmpty());
}

}  // namespace
}  // namespace varlek::guia
