#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "apoyo/Comun.h"
#include "state/ErrorVarlek.h"
#include "state/Numeros.h"

namespace varlek {
namespace {

constexpr double kMaximo = std::numeric_limits<double>::max();

// Doubles with fifteen digits and plain up to 1E+15 (89.99999999999999
// shows as 90), floats with seven and up to 1E+07 (0.1 not as its long
// binary expansion); the exact text has no blank for the sign.
TEST(FormateaNumero, DigitsExponentsAndSigns) {
  const std::pair<double, const char*> dobles[] = {
      {0.0, " 0"},      {-0.0, " 0"},         {-0.25, "-.25"},  {-60.0, "-60"},   {1.5418, " 1.5418"},
      {1e15, " 1E+15"}, {1.5e20, " 1.5E+20"}, {1e-4, " .0001"}, {1e-5, " 1E-05"}, {-2.5e-7, "-2.5E-07"},
  };
  for (const auto& [valor, texto] : dobles) EXPECT_EQ(FormateaNumero(valor), texto) << valor;
  EXPECT_EQ(FormateaNumero(1.0 / 3), " .333333333333333");
  EXPECT_EQ(FormateaNumero(123456789012345.0), " 123456789012345");
  EXPECT_EQ(FormateaNumero(90 * 6.2832 / 360 * 360 / 6.2832), " 90");
  const std::pair<float, const char*> floats[] = {
      {1.0f / 3, " .3333333"}, {9999999.0f, " 9999999"}, {1e7f, " 1E+07"}, {0.1f, " .1"}};
  for (const auto& [valor, texto] : floats) EXPECT_EQ(FormateaNumero(valor), texto) << valor;
  EXPECT_EQ(FormateaNumero(62), " 62");
  EXPECT_EQ(TextoExacto(0.0f), "0");
  EXPECT_EQ(TextoExacto(0.25f), ".25");
  EXPECT_EQ(TextoExacto(-1.5e20f), "-1.5E+20");
}

TEST(TextoExacto, ShortestTextThatReadsBackToTheSameBits) {
  for (float f = 1e-6f; f < 1e9f; f *= 1.37f) {
    const float g = std::nextafter(f, 2 * f);
    EXPECT_EQ(static_cast<float>(LeeNumero(TextoExacto(g))), g) << TextoExacto(g);
  }
  const double d = 0.1 + 0.2;
  EXPECT_EQ(LeeNumero(TextoExacto(d)), d);
}

// The longest numeric prefix, blanks left out; magnitudes beyond a double's
// range give the largest double of their sign, or 0.
TEST(LeeNumero, LongestNumericPrefixAndMagnitudesThatStayFinite) {
  const std::pair<const char*, double> casos[] = {
      {"", 0},        {"abc", 0},   {"1,5", 1},         {"1.5D2", 150},       {"1.5d-1", .15}, {"2E3", 2000},
      {"1.2.3", 1.2}, {"-5", -5},   {"+5", 5},          {" 1 2.5", 12.5},     {"\t-\n3", -3},  {"1E+", 1},
      {".25", .25},   {"-.5", -.5}, {".", 0},           {"12abc", 12},        {"1 e 2", 100},  {"4.42\r\n", 4.42},
      {"1e-400", 0},  {"0e999", 0}, {"1e400", kMaximo}, {"-1e400", -kMaximo},
  };
  for (const auto& [texto, valor] : casos) EXPECT_EQ(LeeNumero(texto), valor) << '"' << texto << '"';
  EXPECT_EQ(LeeNumero("0.0001e313"), kMaximo);
  EXPECT_EQ(LeeNumero("1e99999999999999999999"), kMaximo);
  EXPECT_EQ(LeeNumero(std::string(5000, '9')), kMaximo);
}

TEST(EnteroDe16, HalvesToEvenAndOverflowIsErrorSix) {
  EXPECT_EQ(EnteroDe16(2.5), 2);
  EXPECT_EQ(EnteroDe16(3.5), 4);
  EXPECT_EQ(EnteroDe16(32767.4), 32767);
  EXPECT_EQ(EnteroDe16(-32768.5), -32768);
  EXPECT_EQ(AFloat(1.5), 1.5f);
  EXPECT_EQ(AFloat(1e-50), 0.0f);
  for (double fuera : {32767.5, -32768.6}) {
    EXPECT_EQ(prueba::CodigoDe([&] { EnteroDe16(fuera); }), 6) << fuera;
  }
  for (double fuera : {1e39, std::nan("")}) {
    EXPECT_EQ(prueba::CodigoDe([&] { AFloat(fuera); }), 6) << fuera;
  }
}

}  // namespace
}  // namespace varlek
