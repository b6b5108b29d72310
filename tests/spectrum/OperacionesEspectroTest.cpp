#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "apoyo/CodigoError.h"
#include "spectrum/OperacionesEspectro.h"
#include "state/ErrorVarlek.h"
#include "state/Numeros.h"

namespace varlek {
namespace {

Espectro401 Pico(int punto, float valor) {
  Espectro401 e;
  e[punto] = valor;
  return e;
}

TEST(Suaviza, ASpikeSpreadsTwoPointsDownAndTrailsUp) {
  auto e = Pico(200, 5);
  Suaviza(e);
  // The worked values as a float shows them (seven digits): the double sums
  // of stored floats need not land on the float nearest each decimal.
  const char* esperados[] = {" 1", " 1.2", " 1.44", " .528", " .3936", " .18432"};
  for (int i = 198; i <= 203; ++i) EXPECT_EQ(FormateaNumero(e[i]), esperados[i - 198]) << i;
  for (int i = 0; i <= 197; ++i) EXPECT_EQ(e[i], 0.0f) << i;
  for (int i = 204; i <= 230; ++i) {
    EXPECT_GT(e[i], 0.0f) << i;
    EXPECT_LT(e[i], e[203]) << i;
  }
}

TEST(Suaviza, EndsUseShorterWindows) {
  auto inicio = Pico(0, 3);
  Suaviza(inicio);
  EXPECT_EQ(inicio[0], 1.0f);
  EXPECT_EQ(inicio[1], 0.25f);
  EXPECT_EQ(inicio[2], 0.25f);
  EXPECT_EQ(inicio[3], 0.1f);

  auto fin = Pico(400, 3);
  Suaviza(fin);
  EXPECT_EQ(fin[398], 0.6f);
  EXPECT_EQ(fin[399], 0.9f);
  EXPECT_EQ(fin[400], 1.5f);
  EXPECT_EQ(fin[397], 0.0f);

  // Point 2 already takes the five points 0 to 4.
  auto cuarto = Pico(4, 5);
  Suaviza(cuarto);
  EXPECT_EQ(cuarto[0], 0.0f);
  EXPECT_EQ(cuarto[1], 0.0f);
  EXPECT_EQ(cuarto[2], 1.0f);
}

TEST(Suaviza, AConstantSpectrumStaysAsItIs) {
  for (const float valor : {0.0f, 1.0f, 123.456f, 3.3e37f}) {
    Espectro401 e;
    e.Rellena(valor);
    Suaviza(e);
    for (float p : e) EXPECT_EQ(p, valor);
  }
}

TEST(Multiplica, ScalesEveryPoint) {
  Espectro401 e;
  for (int i = 0; i <= 400; ++i) e[i] = 0.37f * static_cast<float>(i) - 20.0f;
  const auto original = e;
  Multiplica(e, 2.0f);
  for (int i = 0; i <= 400; ++i) EXPECT_EQ(e[i], original[i] + original[i]) << i;
  Multiplica(e, -0.5f);
  for (int i = 0; i <= 400; ++i) EXPECT_EQ(e[i], -original[i]) << i;
  Multiplica(e, 0.0f);
  for (float p : e) EXPECT_EQ(p, 0.0f);
}

TEST(Multiplica, AProductBeyondTheFloatRangeIsAnOverflowAndChangesNothing) {
  Espectro401 e;
  for (int i = 0; i <= 400; ++i) e[i] = static_cast<float>(i);
  e[400] = 3e37f;
  const auto original = e;
  EXPECT_EQ(prueba::CodigoDe([&] { Multiplica(e, 20.0f); }), codigo::Desbordamiento);
  EXPECT_EQ(e, original);
  EXPECT_EQ(prueba::CodigoDe([&] { Multiplica(e, std::numeric_limits<float>::quiet_NaN()); }), codigo::Desbordamiento);
  EXPECT_EQ(e, original);
}

TEST(SumaRegistro, AddingTwiceAddsTwice) {
  Espectro401 e, registro;
  for (int i = 0; i <= 400; ++i) {
    e[i] = static_cast<float>(i);
    registro[i] = 0.5f * static_cast<float>(400 - i);
  }
  const auto copiaRegistro = registro;
  SumaRegistro(e, registro);
  SumaRegistro(e, registro);
  for (int i = 0; i <= 400; ++i) EXPECT_EQ(e[i], static_cast<float>(400)) << i;
  EXPECT_EQ(registro, copiaRegistro);
}

TEST(SumaRegistro, ASumBeyondTheFloatRangeIsAnOverflowAndChangesNothing) {
  Espectro401 e, registro;
  e.Rellena(1.0f);
  e[250] = 3e38f;
  registro[250] = 3e38f;
  const auto original = e;
  EXPECT_EQ(prueba::CodigoDe([&] { SumaRegistro(e, registro); }), codigo::Desbordamiento);
  EXPECT_EQ(e, original);
}

}  // namespace
}  // namespace varlek
