#include <gtest/gtest.h>

#include <string>

#include "guide/LectorRtf.h"
#include "guide/Wmf.h"

namespace varlek::guia {
namespace {

const std::string kCabecera =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
    "{\\f1\\fswiss\\fcharset0 Arial;}{\\f2\\froman\\fcharset2 Symbol;}{\\f3\\fswiss\\fcharset204 Arial Cyr;}"
    "{\\f4\\fnil Symbol;}}{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
    "{\\stylesheet{\\s0 Normal;}{\\s1\\b heading 1;}}{\\info{\\title T\\'edtulo}{\\author Alguien}}";

Documento Lee(const std::string& cuerpo, const std::string& cabecera = kCabecera) {
  return LeeRtf(cabecera + cuerpo + "}");
}

std::string Texto(const std::string& cuerpo, const std::string& cabecera = kCabecera) {
  return TextoPlano(Lee(cuerpo, cabecera));
}

const Parrafo& Primero(const Documento& d) { return std::get<Parrafo>(d.bloques.at(0)); }

TEST(LectorRtf, UnicodeTextOfEveryEncoding) {
  const struct {
    std::string cabecera, cuerpo, texto;
  } casos[] = {
      // Symbol runs, by hex, by literal bytes and by private-use code points.
      {kCabecera, "{\\f2 q}, {\\f2\\'6c} y {\\f4 a}\\par", "θ, λ y α\n"},
      {kCabecera, "\\u61553?\\u-3988?\\par", "θλ\n"},
      {kCabecera, "{\\f2\\u113\\'71}\\par", "θ\n"},
      {kCabecera, "{\\f2\\'b6\\'b4\\'b1\\'a5}\\par", "∂×±∞\n"},
      // The font's charset and the document's code page.
      {kCabecera, "{\\f3\\'e1\\'e2}\\par", "бв\n"},
      {"{\\rtf1\\ansi\\ansicpg1251", "\\'e1\\par", "б\n"},
      {"{\\rtf1\\ansi\\ansicpg1253", "\\'e1\\'c8\\par", "αΘ\n"},
      {"{\\rtf1\\ansi\\ansicpg1250", "\\'b9\\'9e\\par", "ąž\n"},
      {"{\\rtf1\\ansi\\ansicpg1252", "\\'80\\'81\\par", "€\uFFFD\n"},
      // \uN with its fallback skipped, \uc scoped to its group.
      {kCabecera, "{\\uc2\\u8364 XXa}\\u8364?b\\par", "€a€b\n"},
      {kCabecera, "\\uc0\\u8364 c\\par", "€c\n"},
      {kCabecera, "\\u8364\\'80d\\par", "€d\n"},
      {kCabecera, "\\u-10179?\\u-8704?\\par", "\U0001F600\n"},
      // Raw bytes, braces and backslashes inside them, do not end the group.
      {kCabecera, "a{\\*\\bla\\bin6 {}\\}{}}b\\par", "ab\n"},
      {kCabecera, "{\\pict\\pngblip\\bin4 }}}}}c\\par", "c\n"},
      // Objects show their result and never their data.
      {kCabecera, "{\\object\\objemb{\\*\\objclass Equation.3}{\\*\\objdata 41424344}{\\result R}}\\par", "R\n"},
      {kCabecera, "{\\object{\\objdata 41424344}XY{\\result Z}}\\par", "Z\n"},
      // A field shows its result; hidden text, headers, notes and unknown \* groups show nothing.
      {kCabecera, "{\\field{\\*\\fldinst SYMBOL 113 \\\\f \"Symbol\"}{\\fldrslt {\\f2 q}}}\\par", "θ\n"},
      {kCabecera, "a{\\v oculto}{\\header cabecera}{\\footer pie}{\\footnote nota}{\\*\\generator G}b\\par", "ab\n"},
      {kCabecera, "{\\listtable{\\list x}}c\\par", "c\n"},
      // Special characters and symbols.
      {kCabecera, "\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet\\par", "—–‘’“”•\n"},
      {kCabecera, "a\\~b\\_c\\-d\\{\\}\\\\\\tab e\\line f\\par", "a\u00A0b\u2011cd{}\\\te f\n"},
      // The delimiter blank belongs to the word; line ends in the file are no text.
      {kCabecera, "\\b uno\\b0  dos\r\ntres\\par", "uno dostres\n"},
      {kCabecera, "a\\\nb", "a\nb\n"},
  };
  for (const auto& c : casos) EXPECT_EQ(Texto(c.cuerpo, c.cabecera), c.texto) << c.cuerpo;
}

TEST(LectorRtf, RunFormats) {
  const Documento d =
      Lee("\\pard\\plain\\f1\\fs20 a{\\b b{\\i c}}{\\ul d}{\\super e}{\\sub f}{\\up4 g}{\\dn3 h}{\\cf1 i}{\\f2 q}"
          "\\b j\\plain k\\par");
  const auto& tramos = Primero(d).tramos;
  // Each group's format ends with it; \plain gives the default font at 12 points.
  const std::string A = "Arial";
  const FormatoCaracter esperados[] = {{A, 20},
                                       {A, 20, true},
                                       {A, 20, true, true},
                                       {A, 20, false, false, true},
                                       {A, 20, false, false, false, true},
                                       {A, 20, false, false, false, false, true},
                                       {.fuente = A, .medioPuntos = 20, .desplazamiento = 4},
                                       {.fuente = A, .medioPuntos = 20, .desplazamiento = -3},
                                       {.fuente = A, .medioPuntos = 20, .color = ColorRgb{255, 0, 0}},
                                       {"Symbol", 20},
                                       {A, 20, true},
                                       {"Times New Roman"}};
  ASSERT_EQ(tramos.size(), std::size(esperados));
  for (std::size_t i = 0; i < tramos.size(); ++i) EXPECT_EQ(tramos[i].formato, esperados[i]) << i;
  EXPECT_EQ(tramos[9].texto, "θ");
}

TEST(LectorRtf, ParagraphFormats) {
  const Documento d = Lee(
      "\\pard\\li720\\ri360\\fi-360\\sb120\\sa240\\sl-300\\qc\\tx1440\\tqr\\tx2880\\tqc\\tx4000\\tqdec\\tx5000 a\\par "
      "b\\par\\pard\\qj c\\par{\\pard\\qr d\\par}e\\par\\pard\\ql\\sl360 f\\par");
  const FormatoParrafo a{
      720,
      360,
      -360,
      120,
      240,
      -300,
      Alineacion::Centro,
      {{1440, TipoTab::Izquierda}, {2880, TipoTab::Derecha}, {4000, TipoTab::Centro}, {5000, TipoTab::Decimal}}};
  // A paragraph keeps the format until \pard; a group's \pard ends with the group.
  const FormatoParrafo esperados[] = {a,
                                      a,
                                      {.alineacion = Alineacion::Justificada},
                                      {.alineacion = Alineacion::Derecha},
                                      {.alineacion = Alineacion::Justificada},
                                      {.interlineado = 360}};
  ASSERT_EQ(d.bloques.size(), std::size(esperados));
  for (std::size_t i = 0; i < std::size(esperados); ++i)
    EXPECT_EQ(std::get<Parrafo>(d.bloques[i]).formato, esperados[i]) << i;
}

TEST(LectorRtf, TablesWithTheirCells) {
  const Documento d =
      Lee("antes\\par\\trowd\\trgaph70\\cellx2000\\cellx4000\\cellx6000\\pard\\intbl h\\cell k\\cell {\\b I}\\cell\\row"
          "\\trowd\\cellx2000\\cellx4000\\cellx6000\\pard\\intbl 1\\par uno\\cell 0\\cell 100\\cell\\row"
          "\\pard despu\\'e9s\\par\\trowd\\cellx3000\\pard\\intbl sola\\cell\\row");
  ASSERT_EQ(d.bloques.size(), 4u);
  const Tabla& t = std::get<Tabla>(d.bloques[1]);
  ASSERT_EQ(t.filas.size(), 2u);
  EXPECT_EQ(t.filas[0].bordesDerechos, (std::vector<int>{2000, 4000, 6000}));
  ASSERT_EQ(t.filas[1].celdas.size(), 3u);
  EXPECT_EQ(t.filas[1].celdas[0].parrafos.size(), 2u);
  EXPECT_TRUE(t.filas[0].celdas[2].parrafos[0].tramos[0].formato.negrita);
  EXPECT_EQ(std::get<Parrafo>(d.bloques[2]).Texto(), "después");
  EXPECT_EQ(std::get<Tabla>(d.bloques[3]).filas.size(), 1u);
  EXPECT_EQ(TextoPlano(d), "antes\nh\tk\tI\n1 uno\t0\t100\ndespués\nsola\n");
}

TEST(LectorRtf, PicturesWithTheirKindBytesAndSize) {
  const std::string wmf = prueba::FormulaBragg().Hex();
  const struct {
    std::string cuerpo;
    TipoImagen tipo;
    std::vector<std::uint8_t> primeros;
    int ancho, alto;
  } casos[] = {
      // Goal sizes in twips, scaled in percent; hex split by blanks and line ends.
      {"{\\pict\\pngblip\\picw10\\pich20\\picwgoal300\\pichgoal600\\picscalex50 89 50\r\n4e 4}",
       TipoImagen::Png,
       {0x89, 0x50, 0x4E},
       150,
       600},
      // Without goal: bitmaps in pixels, metafiles in hundredths of a millimetre.
      {"{\\pict\\jpegblip\\picw10\\pich20 ffd8}", TipoImagen::Jpeg, {0xFF, 0xD8}, 150, 300},
      {"{\\pict\\wmetafile8\\picw2540\\pich1270 " + wmf + "}", TipoImagen::Wmf, {0xD7, 0xCD, 0xC6, 0x9A}, 1440, 720},
      {"{\\pict\\emfblip\\picwgoal100\\pichgoal100\\bin3 \x01}\x02}", TipoImagen::Emf, {1, '}', 2}, 100, 100},
      {"{\\pict\\macpict\\picwgoal100\\pichgoal50{\\*\\blipuid 0123abcd}ab}", TipoImagen::Otra, {0xAB}, 100, 50},
      // The picture chosen over the fallback, and never both.
      {"{\\*\\shppict{\\pict\\pngblip 0102}}{\\nonshppict{\\pict\\wmetafile8 0304}}", TipoImagen::Png, {1, 2}, 0, 0},
      {"{\\object{\\*\\objdata 0102}{\\result{\\pict\\wmetafile8\\picwgoal2400\\pichgoal480 " + wmf + "}}}",
       TipoImagen::Wmf,
       {0xD7},
       2400,
       480},
  };
  for (const auto& c : casos) {
    const Documento d = Lee(c.cuerpo + "\\par");
    ASSERT_EQ(d.bloques.size(), 1u) << c.cuerpo;
    const auto& tramos = Primero(d).tramos;
    ASSERT_EQ(tramos.size(), 1u) << c.cuerpo;
    ASSERT_TRUE(tramos[0].imagen) << c.cuerpo;
    const Imagen& im = *tramos[0].imagen;
    EXPECT_EQ(im.tipo, c.tipo) << c.cuerpo;
    ASSERT_GE(im.datos.size(), c.primeros.size()) << c.cuerpo;
    EXPECT_TRUE(std::equal(c.primeros.begin(), c.primeros.end(), im.datos.begin())) << c.cuerpo;
    EXPECT_EQ(im.anchoTw, c.ancho) << c.cuerpo;
    EXPECT_EQ(im.altoTw, c.alto) << c.cuerpo;
  }
  EXPECT_EQ(*Primero(Lee(casos[2].cuerpo + "\\par")).tramos[0].imagen->datos.rbegin(), 0);
}

// Broken files give what could be read, with nothing invented.
TEST(LectorRtf, BrokenInputGivesWhatCanBeRead) {
  const struct {
    std::string rtf, texto;
  } casos[] = {
      {"{\\rtf1 abc}}}} def", "abc def\n"},
      {"{\\rtf1 {\\b negrita", "negrita\n"},
      {"{\\rtf1 a\\'zzb\\'4", "azzb4\n"},
      {"{\\rtf1 a\\bin999999999 xyz", "a\n"},
      {"{\\rtf1 a\\fs99999999999999 b\\li-99999999999 c\\", "abc\n"},
      {"{\\rtf1 {\\pict\\pngblip 0a0b", ""},
      {"", ""},
      {"\\", ""},
  };
  for (const auto& c : casos) EXPECT_EQ(TextoPlano(LeeRtf(c.rtf)), c.texto) << c.rtf.substr(0, 60);
  // The deepest groups are read up to a cap and their text dropped.
  const std::string hondo = "{\\rtf1 " + std::string(1000000, '{') + "x" + std::string(1000000, '}') + "y}";
  EXPECT_EQ(TextoPlano(LeeRtf(hondo)), "y\n");
}

}  // namespace
}  // namespace varlek::guia
