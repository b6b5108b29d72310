#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "guide/LectorRtf.h"
#include "guide/Wmf.h"

namespace varlek::guia {
namespace {

const std::string kCabecera =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
    "{\\f1\\fswiss\\fcharset0 Arial;}{\\f2\\froman\\fcharset2 Symbol;}{\\f3\\fswiss\\fcharset204 Arial Cyr;}"
    "{\\f4\\fnil Symbol;}}{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
    "{\\stylesheet{\\s0 Normal;}{\\s1\\b heading 1;}}{\\info{\\title T\\'edtulo}{\\author Alguien}}";

Documento Lee(const std::string& cuerpo) { return LeeRtf(kCabecera + cuerpo + "}"); }

const Parrafo& Primero(const Documento& d) { return std::get<Parrafo>(d.bloques.at(0)); }

TEST(LectorRtf, UnicodeTextOfEveryEncoding) {
  // Symbol runs by hex, by literal bytes and by private-use code points; the font's charset and the
  // document's code page; \uN with its fallback skipped, \uc scoped to its group; raw bytes, braces and
  // backslashes inside them, not ending the group; an object's result and never its data, a field's result,
  // no hidden text nor headers; special characters and symbols; the delimiter blank belongs to the word,
  // line ends in the file are no text.
  const std::pair<const char*, const char*> casos[] = {
      {"{\\f2 q}{\\f2\\'6c}{\\f4 a}\\par", "θλα\n"},
      {"\\u61553?\\u-3988?\\par", "θλ\n"},
      {"{\\f2\\u113\\'71}\\par", "θ\n"},
      {"{\\f2\\'b6\\'b4\\'b1\\'a5}\\par", "∂×±∞\n"},
      {"{\\f3\\'e1\\'e2}\\par", "бв\n"},
      {"\\ansicpg1251\\'e1\\par", "б\n"},
      {"\\ansicpg1253\\'e1\\'c8\\par", "αΘ\n"},
      {"\\ansicpg1250\\'b9\\'9e\\par", "ąž\n"},
      {"\\'80\\'81\\par", "€\uFFFD\n"},
      {"{\\uc2\\u8364 XXa}\\u8364?b\\par", "€a€b\n"},
      {"\\uc0\\u8364 c\\par", "€c\n"},
      {"\\u8364\\'80d\\par", "€d\n"},
      {"\\u-10179?\\u-8704?\\par", "\U0001F600\n"},
      {"a{\\*\\bla\\bin6 {}\\}{}}b\\par", "ab\n"},
      {"{\\object{\\objdata 41}XY{\\result R}}\\par", "R\n"},
      {"{\\field{\\*\\fldinst S}{\\fldrslt q}}\\par", "q\n"},
      {"a{\\v oculto}{\\header cabecera}b\\par", "ab\n"},
      {"\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet\\par", "—–‘’“”•\n"},
      {"a\\~b\\_c\\-d\\par", "a\u00A0b\u2011cd\n"},
      {"\\{\\}\\\\\\tab e\\line f\\par", "{}\\\te f\n"},
      {"\\b uno\\b0  dos\r\ntres\\par", "uno dostres\n"},
      {"a\\\nb", "a\nb\n"}};
  for (const auto& [cuerpo, texto] : casos) EXPECT_EQ(TextoPlano(Lee(cuerpo)), texto) << cuerpo;
}

TEST(LectorRtf, RunFormats) {
  const Documento d =
      Lee("\\pard\\plain\\f1\\fs20 a{\\b b{\\i c}}{\\ul d}{\\super e}{\\sub f}{\\up4 g}{\\dn3 h}{\\cf1 i}{\\f2 q}"
          "\\b j\\plain k\\par");
  const auto& tramos = Primero(d).tramos;
  // Each group's format ends with it; \plain gives the default font at 12 points.
  const std::string A = "Arial";
  const ColorRgb rojo{255, 0, 0};
  const FormatoCaracter esperados[] = {{A, 20},
                                       {A, 20, true},
                                       {A, 20, true, true},
                                       {A, 20, false, false, true},
                                       {A, 20, false, false, false, true},
                                       {A, 20, false, false, false, false, true},
                                       {.fuente = A, .medioPuntos = 20, .desplazamiento = 4},
                                       {.fuente = A, .medioPuntos = 20, .desplazamiento = -3},
                                       {.fuente = A, .medioPuntos = 20, .color = rojo},
                                       {"Symbol", 20},
                                       {A, 20, true},
                                       {"Times New Roman"}};
  ASSERT_EQ(tramos.size(), std::size(esperados));
  for (std::size_t i = 0; i < tramos.size(); ++i) EXPECT_EQ(tramos[i].formato, esperados[i]) << i;
}

TEST(LectorRtf, ParagraphFormats) {
  const Documento d =
      Lee("\\pard\\li720\\ri360\\fi-360\\sb120\\sa240\\sl-300\\qc\\keepn"
          "\\tx1440\\tqr\\tx2880\\tqc\\tx4000\\tqdec\\tx5000 a\\par "
          "b\\par\\pard\\qj c\\par{\\pard\\qr d\\par}e\\par\\pard\\ql\\sl360 f\\par");
  const std::vector<Tabulador> tabs = {
      {1440, TipoTab::Izquierda}, {2880, TipoTab::Derecha}, {4000, TipoTab::Centro}, {5000, TipoTab::Decimal}};
  const FormatoParrafo a{720, 360, -360, 120, 240, -300, Alineacion::Centro, tabs, true};
  const FormatoParrafo j{.alineacion = Alineacion::Justificada}, r{.alineacion = Alineacion::Derecha};
  // A paragraph keeps the format until \pard; a group's \pard ends with the group.
  const FormatoParrafo esperados[] = {a, a, j, r, j, {.interlineado = 360}};
  ASSERT_EQ(d.bloques.size(), std::size(esperados));
  for (std::size_t i = 0; i < std::size(esperados); ++i)
    EXPECT_EQ(std::get<Parrafo>(d.bloques[i]).formato, esperados[i]) << i;
}

TEST(LectorRtf, TablesWithTheirCells) {
  const Documento d =
      Lee("antes\\par\\trowd\\trgaph70\\trqc\\trhdr\\cellx2000\\cellx4000\\cellx6000\\pard\\intbl h\\cell k\\cell {\\b "
          "I}\\cell\\row"
          "\\trowd\\cellx2000\\cellx4000\\cellx6000\\pard\\intbl 1\\par uno\\cell 0\\cell 100\\cell\\row"
          "\\pard despu\\'e9s\\par\\trowd\\trqr\\cellx3000\\pard\\intbl sola\\cell\\row");
  ASSERT_EQ(d.bloques.size(), 4u);
  // Four blocks: both rows in one table.
  const Fila& fila = std::get<Cuadro>(d.bloques[1]).filas.at(0);
  EXPECT_EQ(fila.bordesDerechos, (std::vector<int>{2000, 4000, 6000}));
  EXPECT_TRUE(fila.celdas.at(2).parrafos.at(0).tramos.at(0).formato.negrita);
  // Each row's place on the page and whether it is a header, until the next \\trowd.
  std::vector<std::pair<Alineacion, bool>> lugares;
  for (int b : {1, 3})
    for (const Fila& f : std::get<Cuadro>(d.bloques[b]).filas) lugares.emplace_back(f.alineacion, f.cabecera);
  EXPECT_EQ(lugares, (std::vector<std::pair<Alineacion, bool>>{
                         {Alineacion::Centro, true}, {Alineacion::Izquierda, false}, {Alineacion::Derecha, false}}));
  // The two paragraphs of one cell are joined by a blank.
  EXPECT_EQ(TextoPlano(d), "antes\nh\tk\tI\n1 uno\t0\t100\ndespués\nsola\n");
}

TEST(LectorRtf, PicturesWithTheirKindBytesAndSize) {
  // Kind, first bytes (all of them for the metafile), size.
  using Vista = std::tuple<TipoImagen, std::vector<std::uint8_t>, int, int>;
  const std::pair<std::string, Vista> casos[] = {
      // Goal sizes in twips, scaled in percent; hex split by blanks and line ends.
      {"{\\pict\\pngblip\\picw10\\pich20\\picwgoal300\\pichgoal600\\picscalex50 89 50\r\n4e 4}",
       {TipoImagen::Png, {0x89, 0x50, 0x4E}, 150, 600}},
      // Without goal: bitmaps in pixels, metafiles (here an object's result) in hundredths of a millimetre.
      {"{\\pict\\jpegblip\\picw10\\pich20 ffd8}", {TipoImagen::Jpeg, {0xFF, 0xD8}, 150, 300}},
      {"{\\object{\\*\\objdata 0102}{\\result{\\pict\\wmetafile8\\picw2540\\pich1270 " + prueba::FormulaBragg().Hex() +
           "}}}",
       {TipoImagen::Wmf, prueba::FormulaBragg().Bytes(), 1440, 720}},
      {"{\\pict\\emfblip\\picwgoal100\\pichgoal100\\bin3 \x01}\x02}", {TipoImagen::Emf, {1, '}', 2}, 100, 100}},
      {"{\\pict\\macpict\\picwgoal100\\pichgoal50{\\*\\blipuid 0123abcd}ab}", {TipoImagen::Otra, {0xAB}, 100, 50}},
      // The picture chosen over the fallback, and never both.
      {"{\\*\\shppict{\\pict\\pngblip 0102}}{\\nonshppict{\\pict\\wmetafile8 0304}}", {TipoImagen::Png, {1, 2}, 0, 0}}};
  for (const auto& [cuerpo, vista] : casos) {
    const auto tramos = Primero(Lee(cuerpo + "\\par")).tramos;
    ASSERT_EQ(tramos.size(), 1u) << cuerpo;
    ASSERT_TRUE(tramos[0].imagen) << cuerpo;
    const Imagen& im = *tramos[0].imagen;
    const auto n = std::min(im.datos.size(), std::get<1>(vista).size());
    const std::vector<std::uint8_t> primeros(im.datos.begin(), im.datos.begin() + n);
    EXPECT_EQ(Vista(im.tipo, primeros, im.anchoTw, im.altoTw), vista) << cuerpo;
  }
}

}  // namespace
}  // namespace varlek::guia
