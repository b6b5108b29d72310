#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "apoyo/CodigoError.h"
#include "state/ErrorVarlek.h"
#include "state/Numeros.h"

namespace varlek {
namespace {

TEST(FormateaNumero, DoubleRules) {
  struct Caso {
    double valor;
    const char* texto;
  };
  const Caso casos[] = {
      {0, " 0"},
      {0.25, " .25"},
      {-0.25, "-.25"},
      {-60, "-60"},
      {105, " 105"},
      {1.5418, " 1.5418"},
      {90 * 6.2832 / 360 * 360 / 6.2832, " 90"},  // 89.99999999999999 shown with 15 digits
      {1.0 / 3, " .333333333333333"},
      {2.0 / 3, " .666666666666667"},
      {123456789012345.0, " 123456789012345"},
      {1e15, " 1E+15"},
      {1.5e20, " 1.5E+20"},
      {1e-4, " .0001"},
      {1e-5, " 1E-05"},
      {-2.5e-7, "-2.5E-07"},
      {1e-300, " 1E-300"},
      {-0.0, " 0"},
  };
  for (const auto& c : casos) EXPECT_EQ(FormateaNumero(c.valor), c.texto) << c.valor;
}

TEST(FormateaNumero, FloatKeepsSevenDigits) {
  EXPECT_EQ(FormateaNumero(1.0f / 3), " .3333333");
  EXPECT_EQ(FormateaNumero(105.0f), " 105");
  EXPECT_EQ(FormateaNumero(400.1234f), " 400.1234");
  EXPECT_EQ(FormateaNumero(9999999.0f), " 9999999");
  EXPECT_EQ(FormateaNumero(1e7f), " 1E+07");
  EXPECT_EQ(FormateaNumero(0.1f), " .1");  // not the float's long binary expansion
  EXPECT_EQ(FormateaNumero(-2.5e-7f), "-2.5E-07");
  EXPECT_EQ(FormateaNumero(62), " 62");
}

TEST(TextoExacto, ShortestTextThatReadsBackToTheSameBits) {
  EXPECT_EQ(TextoExacto(105.0f), "105");
  EXPECT_EQ(TextoExacto(0.0f), "0");
  EXPECT_EQ(TextoExacto(5.0), "5");
  EXPECT_EQ(TextoExacto(0.25f), ".25");
  EXPECT_EQ(TextoExacto(-1.5e20f), "-1.5E+20");
  // Every float of a stretch of values comes back bit for bit.
  for (float f = 1e-6f; f < 1e9f; f *= 1.37f) {
    const float g = std::nextafter(f, 2 * f);
    EXPECT_EQ(static_cast<float>(LeeNumero(TextoExacto(g))), g) << TextoExacto(g);
  }
  const double d = 0.1 + 0.2;
  EXPECT_EQ(LeeNumero(TextoExacto(d)), d);
}

TEST(LeeNumero, LongestNumericPrefix) {
  struct Caso {
    const char* texto;
    double valor;
  };
  const Caso casos[] = {
      {"", 0},        {"abc", 0},     {"1,5", 1},    {"1,5418", 1},  {"1.5D2", 150}, {"1.5d-1", .15},
      {"2E3", 2000},  {"1.2.3", 1.2}, {"--5", 0},    {"-5", -5},     {"+5", 5},      {" 1 2.5", 12.5},
      {"\t-\n3", -3}, {"1E", 1},      {"1E+", 1},    {".25", .25},   {"0.25", .25},  {"-.5", -.5},
      {".", 0},       {"-", 0},       {"12abc", 12}, {"1 e 2", 100}, {"  90", 90},   {"4.42\r\n", 4.42},
  };
  for (const auto& c : casos) EXPECT_DOUBLE_EQ(LeeNumero(c.texto), c.valor) << '"' << c.texto << '"';
}

TEST(LeeNumero, OutOfRangeMagnitudesStayFinite) {
  EXPECT_EQ(LeeNumero("1e400"), std::numeric_limits<double>::max());
  EXPECT_EQ(LeeNumero("-1e400"), -std::numeric_limits<double>::max());
  EXPECT_EQ(LeeNumero("0.0001e313"), std::numeric_limits<double>::max());
  EXPECT_EQ(LeeNumero("1e-400"), 0.0);
  EXPECT_EQ(LeeNumero("1e99999999999999999999"), std::numeric_limits<double>::max());
  EXPECT_EQ(LeeNumero("0e999"), 0.0);
  EXPECT_EQ(LeeNumero(std::string(5000, '9')), std::numeric_limits<double>::max());
}

TEST(EnteroDe16, HalvesToEvenAndOverflow) {
  EXPECT_EQ(EnteroDe16(2.5), 2);
  EXPECT_EQ(EnteroDe16(3.5), 4);
  EXPECT_EQ(EnteroDe16(-2.5), -2);
  EXPECT_EQ(EnteroDe16(2.6), 3);
  EXPECT_EQ(EnteroDe16(32767.4), 32767);
  EXPECT_EQ(EnteroDe16(-32768.5), -32768);
  for (double fuera : {32767.5, -32768.6, 1e10, std::numeric_limits<double>::max()}) {
    EXPECT_EQ(prueba::CodigoDe([&] { EnteroDe16(fuera); }), 6) << fuera;
  }
}

TEST(AFloat, OverflowIsErrorSix) {
  EXPECT_EQ(AFloat(1.5), 1.5f);
  EXPECT_THROW(AFloat(1e39), ErrorVarlek);
  EXPECT_THROW(AFloat(std::nan("")), ErrorVarlek);
  EXPECT_EQ(AFloat(1e-50), 0.0f);
}

}  // namespace
}  // namespace varlek
