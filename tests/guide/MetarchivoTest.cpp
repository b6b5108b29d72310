// The metafile reader on the cases of tests/guide/casos (made by
// tools/casos_wmf.py), each .wmf beside the dump of its drawings.

#include <array>

#include "apoyo/Comun.h"
#include "guide/Metarchivo.h"

namespace varlek::guia {
namespace {

std::vector<std::uint8_t> Bytes(const std::filesystem::path& ruta) {
  const std::string b = prueba::LeeFichero(ruta);
  return {b.begin(), b.end()};
}

std::ostream& operator<<(std::ostream& s, ColorRgb c) { return s << +c.r << ',' << +c.g << ',' << +c.b; }

std::string Vuelca(const std::optional<Metarchivo>& m) {
  if (!m) return "ninguno\n";
  std::ostringstream s;
  if (m->marco)
    s << "marco " << m->marco->x << ' ' << m->marco->y << ' ' << m->marco->ancho << ' ' << m->marco->alto << " a "
      << m->unidadesPulgada << " la pulgada\n";
  for (const DibujoWmf& d : m->dibujos) {
    s << std::array{"linea", "poligono", "rectangulo", "texto"}[static_cast<int>(d.tipo)] << " ventana " << d.ventana.x
      << ' ' << d.ventana.y << ' ' << d.ventana.ancho << ' ' << d.ventana.alto;
    for (const PuntoWmf& p : d.puntos) s << " (" << p.x << ',' << p.y << ')';
    if (d.tipo == TipoDibujoWmf::Texto) {
      s << " \"" << d.texto << "\" \"" << d.fuente.cara << "\" alto " << d.fuente.alto << " peso " << d.fuente.peso
        << (d.fuente.cursiva ? " cursiva" : "") << " juego " << d.fuente.juego << " color " << d.colorTexto
        << " alineacion " << d.alineacion;
    } else {
      if (d.lapiz.visible) s << " lapiz " << d.lapiz.color << " ancho " << d.lapiz.ancho;
      s << (d.lapiz.visible ? "" : " sin lapiz");
      if (d.brocha.visible) s << " brocha " << d.brocha.color;
      s << (d.brocha.visible ? "" : " sin brocha");
    }
    s << '\n';
  }
  return s.str();
}

// Whole, each case as its dump says; cut anywhere, a formula keeps the
// records before the cut and nothing more.
TEST(Metarchivo, StoredCasesAndCutFormulas) {
  for (const auto& caso : prueba::Casos("guide/casos", ".wmf"))
    EXPECT_TRUE(prueba::ComoVolcado(Vuelca(LeeMetarchivo(Bytes(caso))), caso));
  const std::vector<std::uint8_t> entero =
      Bytes(std::filesystem::path(VARLEK_FUENTES_PRUEBAS) / "guide/casos/formula.wmf");
  std::size_t anteriores = 0;
  for (std::size_t n = 40; n <= entero.size(); ++n) {
    const auto m = LeeMetarchivo(std::span(entero).first(n));
    ASSERT_TRUE(m) << n;
    EXPECT_GE(m->dibujos.size(), anteriores) << n;
    anteriores = m->dibujos.size();
  }
  EXPECT_EQ(anteriores, 4u);
}

}  // namespace
}  // namespace varlek::guia
