#include <gtest/gtest.h>

#include <tuple>

#include "guide/Metarchivo.h"
#include "guide/Wmf.h"

namespace varlek::guia {
namespace {

// Cut anywhere, a formula keeps the records before the cut and nothing
// more; whole, its fonts and texts. What is no metafile gives nothing.
TEST(Metarchivo, FormulaWithItsFontsAndTexts) {
  const std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_FALSE(LeeMetarchivo(png));
  const std::vector<std::uint8_t> entero = prueba::FormulaBragg().Bytes();
  std::optional<Metarchivo> m;
  for (std::size_t n = 40; n <= entero.size(); ++n) {
    const std::size_t anteriores = m ? m->dibujos.size() : 0;
    m = LeeMetarchivo(std::span(entero).first(n));
    ASSERT_TRUE(m) << n;
    EXPECT_GE(m->dibujos.size(), anteriores) << n;
  }
  EXPECT_EQ(m->marco, (VentanaWmf{0, 0, 2400, 480}));
  EXPECT_EQ(m->unidadesPulgada, 1440);
  const std::tuple<const char*, const char*, int> esperados[] = {
      {"n", "Times New Roman", 40}, {"λ", "Symbol", 200}, {" = 2d sen", "Times New Roman", 400}, {"θ", "Symbol", 1900}};
  ASSERT_EQ(m->dibujos.size(), std::size(esperados));
  for (std::size_t i = 0; i < std::size(esperados); ++i) {
    const DibujoWmf& d = m->dibujos[i];
    const auto& [texto, cara, x] = esperados[i];
    EXPECT_EQ(std::tuple(d.tipo, d.texto, d.fuente.cara, d.fuente.alto, d.alineacion, d.ventana),
              std::tuple(TipoDibujoWmf::Texto, texto, cara, -320, alineacionwmf::Base, VentanaWmf{0, 0, 2400, 480}))
        << i;
    EXPECT_EQ(d.puntos, (std::vector<PuntoWmf>{{x, 300}})) << i;
  }
}

TEST(Metarchivo, LinesPolygonsAndReusedObjects) {
  prueba::Wmf w;
  w.Ventana(10, 20, 100, -50);
  w.Registro(0x02FA, {0, 15, 0, 0x00FF, 0});   // pen 0: red, 15 wide
  w.Registro(0x02FC, {0, 0x0000, 0x00FF, 0});  // brush 1: blue
  w.Selecciona(0).Selecciona(1);
  w.Registro(0x0214, {5, 1}).Registro(0x0213, {7, 3});  // move to (1,5), line to (3,7)
  w.Registro(0x0325, {3, 0, 0, 10, 0, 10, 10});         // polyline of three points
  w.Registro(0x0324, {99, 1, 2});                       // polygon claiming more points than it holds
  w.Registro(0x041B, {40, 30, 20, 10});                 // rectangle: bottom, right, top, left
  w.Registro(0x01F0, {0});                              // pen 0 deleted; the next object takes slot 0
  w.Registro(0x02FA, {5, 0, 0, 0, 0});                  // a null pen
  w.Registro(0x02FC, {1, 0, 0, 0});                     // brush 2: a null brush
  w.Selecciona(0).Selecciona(2).Registro(0x0213, {0, 0});
  w.Registro(0x0A32, {8, 6, 2, 4, 1, 2, 3, 4}, "ab");  // ext text out with a clipping rectangle
  w.Registro(0x1234, {1, 2, 3});                       // unknown: skipped
  w.Fuente(-100, "Arial").Selecciona(9);               // beyond the table: ignored
  const auto m = LeeMetarchivo(w.Bytes());
  ASSERT_TRUE(m);
  ASSERT_EQ(m->dibujos.size(), 6u);
  const auto& d = m->dibujos;
  std::vector<std::vector<PuntoWmf>> puntos;
  for (const DibujoWmf& x : d) puntos.push_back(x.puntos);
  const std::vector<std::vector<PuntoWmf>> esperados = {
      {{1, 5}, {3, 7}}, {{0, 0}, {10, 0}, {10, 10}}, {{1, 2}}, {{10, 20}, {30, 40}}, {{3, 7}, {0, 0}}, {{6, 8}}};
  EXPECT_EQ(puntos, esperados);
  EXPECT_EQ(d[0].tipo, TipoDibujoWmf::Linea);
  EXPECT_EQ(d[0].lapiz.color, (ColorRgb{255, 0, 0}));
  EXPECT_EQ(d[0].lapiz.ancho, 15);
  EXPECT_EQ(d[0].brocha.color, (ColorRgb{0, 0, 255}));
  EXPECT_EQ(d[0].ventana, (VentanaWmf{10, 20, 100, -50}));
  EXPECT_EQ(d[2].tipo, TipoDibujoWmf::Poligono);
  EXPECT_TRUE(d[0].brocha.visible);
  EXPECT_FALSE(d[4].lapiz.visible);
  EXPECT_FALSE(d[4].brocha.visible);
  EXPECT_EQ(d[5].texto, "ab");
}

}  // namespace
}  // namespace varlek::guia
