#include <gtest/gtest.h>

#include <vector>

#include "apoyo/CodigoError.h"
#include "apoyo/Impresion.h"
#include "spectrum/Ejes.h"
#include "spectrum/OperacionesEspectro.h"
#include "state/Numeros.h"

namespace varlek {
namespace {

TEST(Suaviza, WorkedValuesInsideAndAtBothEnds) {
  // As a float shows them (seven digits): the double sums of stored floats
  // need not land on the float nearest each decimal. Each point already sees
  // its smoothed predecessors.
  const struct {
    int pico, desde;
    std::vector<const char*> esperados;
  } casos[] = {{200, 198, {" 1", " 1.2", " 1.44", " .528", " .3936", " .18432"}},
               {0, 0, {" 1", " .25", " .25", " .1"}},
               {400, 397, {" 0", " .6", " .9", " 1.5"}}};
  for (const auto& c : casos) {
    Espectro401 e;
    e[c.pico] = c.pico == 200 ? 5 : 3;
    Suaviza(e);
    for (int k = 0; k < static_cast<int>(c.esperados.size()); ++k)
      EXPECT_EQ(FormateaNumero(e[c.desde + k]), c.esperados[k]) << c.desde + k;
  }
  for (const float valor : {123.456f, 3.3e37f}) {
    Espectro401 constante;
    constante.Rellena(valor);
    Suaviza(constante);
    for (float p : constante) EXPECT_EQ(p, valor);
  }
}

TEST(OperacionesPuntoAPunto, FloatResultsAndOverflowChangesNothing) {
  Espectro401 e, registro, enorme;
  for (int i = 0; i <= 400; ++i) e[i] = 0.37f * i - 20, registro[i] = 0.5f * (400 - i);
  auto producto = e, suma = e;
  Multiplica(producto, -0.7f);
  SumaRegistro(suma, registro);
  for (int i = 0; i <= 400; ++i) {
    EXPECT_EQ(producto[i], -0.7f * e[i]) << i;
    EXPECT_EQ(suma[i], e[i] + registro[i]) << i;
  }

  // Only the last point overflows, after all the others have been computed.
  e[400] = 3e37f;
  enorme[400] = 3.4e38f;
  auto puntos = e;
  EXPECT_EQ(prueba::CodigoDe([&] { Multiplica(puntos, 20); }), codigo::Desbordamiento);
  EXPECT_EQ(puntos, e);
  EXPECT_EQ(prueba::CodigoDe([&] { SumaRegistro(puntos, enorme); }), codigo::Desbordamiento);
  EXPECT_EQ(puntos, e);
}

// Each point of a spectrum stands on the plot where the cursor readout shows
// its own angle, from the left edge to the right one.
TEST(Ejes, EachPointStandsAtItsAngle) {
  for (int i = 0; i <= 400; ++i) {
    EXPECT_EQ(TextoAnguloEn(5, 105, XDeRanura(i)), FormateaNumero(5 + 0.25f * i)) << i;
    EXPECT_EQ(TextoAnguloEn(20, 60, XDeRanura(i)), FormateaNumero(20 + i / 10.0f)) << i;
  }
  EXPECT_EQ(XDeRanura(400), 100);
}

}  // namespace
}  // namespace varlek
