// The arithmetic of the structure window: plane families and their lines,
// levelling a family, atom colours, and what the window reads.

#include <cmath>
#include <tuple>

#include "apoyo/Comun.h"
#include "state/Angulos.h"
#include "structure/DibujoAtomos.h"
#include "structure/EntradaVisor.h"
#include "structure/ExplicacionFamilia.h"
#include "structure/FamiliaPlanos.h"
#include "structure/GiroFamilia.h"

namespace varlek {
namespace {

// The drawing area's heights, and one pixel of its 453 rows.
constexpr double kAbajo = -550, kArriba = 450, kPixel = 1000.0 / 452;

Estado Cristal(double a, double b, double grados, int h, int k) {
  Estado e;
  AsignaValoresIniciales(e);
  e.AVec = a, e.BVec = b, e.Theta = ARadianes(grados);
  e.IndiceH = static_cast<std::int16_t>(h), e.IndiceK = static_cast<std::int16_t>(k);
  return e;
}

// From the direct lattice alone: the rows of (h, k) run along k·a − h·b, and
// the cell's area over that length is the distance between them.
double DistanciaEntreFilas(const Estado& e) {
  const double rx = e.IndiceK * e.AVec - e.IndiceH * e.BVec * std::cos(e.Theta);
  return std::abs(e.AVec * e.BVec * std::sin(e.Theta)) / std::hypot(rx, e.IndiceH * e.BVec * std::sin(e.Theta));
}

// The square crystal of 4 Å (90° is stored just short of a right angle, so
// (0, 1) gives N = 4), oblique lattices whose (h, k) and (h, −k) rows differ,
// negative indices and a negative angle. After levelling, every atom lies on
// a line of the family (to within the tilt of half a turn written 3.1416).
TEST(FamiliaPlanos, SpacingIsTheDistanceBetweenRowsAndLevellingPutsEveryAtomOnALine) {
  const struct {
    double a, b, grados;
    int h, k, n;
  } familias[] = {{4, 4, 90, 0, 1, 4}, {4, 4, 60, 2, 1, 8}, {3, 5, -75, 1, 2, 11}, {3, 5, 75, 2, -3, 25}};
  for (const auto& f : familias) {
    Estado e = Cristal(f.a, f.b, f.grados, f.h, f.k);
    e.AtomoX[1] = 0.3, e.AtomoY[1] = 0.6;
    const std::int64_t n = CalculaFamilia(e);
    SCOPED_TRACE(std::to_string(f.h) + "," + std::to_string(f.k) + " at " + std::to_string(f.grados));
    EXPECT_EQ(n, f.n);
    EXPECT_NEAR(e.Espaciado, DistanciaEntreFilas(e), 1e-6 * e.Espaciado);
    const std::vector<double> alturas = AlturasLineas(e.Espaciado, n, kAbajo, kArriba, kPixel);
    ASSERT_EQ(alturas.size(), static_cast<std::size_t>(2 * n + 1));
    for (std::int64_t i = 0; i <= 2 * n; ++i) EXPECT_NEAR(alturas[i], 10.0 * (i - n) * e.Espaciado, 1e-9);
    ASSERT_TRUE(GiraHaciaFamilia(e));
    const double y0 = CentroAtomo(e, 0, 0, 1)->y, paso = 10 * e.Espaciado;
    for (int i = -5; i <= 5; ++i)
      for (int j = -5; j <= 5; ++j) {
        const double y = CentroAtomo(e, i, j, 1)->y - y0;
        EXPECT_NEAR(y, std::round(y / paso) * paso, 0.01) << i << "," << j;
      }
  }
}

// No family (h = k = 0), no a, a flat cell; a count of lines beyond 64 bits,
// a spacing that underflows a float or is beyond one, a reciprocal vector
// beyond a double. A huge spacing draws one line, at 0; a tiny one a band of
// one line a pixel.
TEST(FamiliaPlanos, DegenerateOrHugeFamiliesFailOrStayWithinTheDrawingArea) {
  constexpr int kCero = codigo::DivisionPorCero, kDesborda = codigo::Desbordamiento;
  const struct {
    double a, b, grados;
    int h, k, codigo, lineas;  // lineas: how many are drawn (all at 0), or 0 for the band
  } casos[] = {
      {4, 4, 90, 0, 0, kCero, 0},          {0, 4, 90, 1, 1, kCero, 0},         {4, 4, 0, 1, 1, kCero, 0},
      {1e-30, 4, 90, 1, 0, kDesborda, 0},  {1e-50, 4, 90, 1, 0, kDesborda, 0}, {1e40, 4, 90, 1, 0, kDesborda, 0},
      {1e-300, 4, 90, 1, 0, kDesborda, 0}, {1e20, 4, 90, 1, 0, 0, 1},          {4, 4, 90, 32767, 32767, 0, 0},
  };
  for (const auto& c : casos) {
    Estado e = Cristal(c.a, c.b, c.grados, c.h, c.k);
    std::vector<double> y;
    std::int64_t n = 0;
    SCOPED_TRACE(std::to_string(c.a) + " " + std::to_string(c.b) + " " + std::to_string(c.h));
    EXPECT_EQ(prueba::CodigoDe([&] { y = AlturasLineas(e.Espaciado, n = CalculaFamilia(e), kAbajo, kArriba, kPixel); }),
              c.codigo);
    if (c.codigo != 0) continue;
    if (c.lineas != 0) {
      EXPECT_EQ(y, std::vector<double>(c.lineas, 0.0));
      continue;
    }
    const double extremo = 10.0 * static_cast<double>(n) * e.Espaciado;
    EXPECT_LE(y.size(), 2 * extremo / kPixel + 2);
    EXPECT_EQ(y.front(), -extremo);
    EXPECT_EQ(y.back(), extremo);
    for (std::size_t i = 1; i < y.size(); ++i) EXPECT_LE(y[i] - y[i - 1], kPixel + 1e-9);
  }
}

TEST(GiroFamilia, AbsoluteRotationsAndTheCasesWithoutOne) {
  const double kSinGirar = 0.5;
  const struct {
    double a, b, grados;
    int h, k;
    double giro, tolerancia;
  } casos[] = {{4, 4, 90, 0, 1, kMedioGiro, 0}, {4, 4, 90, 1, 0, 4.7124, 1e-4},  // vector a points down
               {4, 4, 90, 1, 1, 3.927, 1e-4},   {4, 4, 0, 1, 1, kSinGirar, 0},
               {4, 4, 90, 0, 0, kSinGirar, 0},  {1e-300, 4, 90, 1, 0, kSinGirar, 0}};
  for (const auto& c : casos) {
    for (double antes : {kSinGirar, 2.0}) {  // the rotation before does not count
      Estado e = Cristal(c.a, c.b, c.grados, c.h, c.k);
      e.GiroCristal = antes;
      const bool gira = GiraHaciaFamilia(e);
      EXPECT_EQ(gira, c.giro != kSinGirar) << c.a << " " << c.grados << " " << c.h << "," << c.k;
      EXPECT_NEAR(e.GiroCristal, gira ? c.giro : antes, c.tolerancia) << c.a << " " << c.grados;
    }
  }
  // A reciprocal vector square to that of (0, 1): the limits on either side.
  EXPECT_DOUBLE_EQ(*AnguloDeGiro(0, 0.7), 1.5708);
  EXPECT_DOUBLE_EQ(*AnguloDeGiro(0, -0.7), 4.7124);
  EXPECT_FALSE(AnguloDeGiro(NAN, 1));
  EXPECT_FALSE(AnguloDeGiro(1, INFINITY));
}

TEST(DibujoAtomos, ColourByFactorHeldWithinThePalette) {
  const std::pair<float, int> casos[] = {{1, 9},    {0.9f, 10}, {0.4f, 15},   {0.3f, 15},
                                         {1.5f, 4}, {2.5f, 0},  {-1e30f, 15}, {1e30f, 0}};
  for (const auto& [factor, indice] : casos) EXPECT_EQ(IndiceColor(factor), indice) << factor;
}

TEST(EntradaVisor, IndicesFromTextClickPairsAndTheFamilysMeaning) {
  const std::pair<const char*, int> textos[] = {{"2.5", 2}, {"3.5", 4}, {"abc", 0}, {"-1e9", -32768}, {"1e400", 32767}};
  for (const auto& [texto, indice] : textos) EXPECT_EQ(IndiceDeTexto(texto), indice) << texto;
  std::int16_t contador = 1;  // however many clicks, first and second points alternate
  for (int clic = 0; clic < 70000; ++clic) {
    const std::int16_t siguiente = SiguienteClic(contador);
    ASSERT_TRUE(siguiente > 0 && siguiente % 2 != contador % 2) << clic;
    contador = siguiente;
  }
  // 2θ = 2·arcsin(λ/2d): 31.63° for d = 2.828422 Å.
  const std::tuple<double, int, int, const char*> familias[] = {
      {1.5418, 1, 1, "Espaciado d = 2.828422 Å; primer orden a 2θ = 31.63°"},
      {10, 0, 1, "Espaciado d = 4 Å; no difracta: λ/2d > 1 con λ = 10 Å"},
      {1.5418, 0, 0, "Esta familia de planos no tiene espaciado definido"}};
  for (const auto& [lambda, h, k, texto] : familias) {
    Estado e = Cristal(4, 4, 90, h, k);
    e.LambdaX = lambda;
    const Estado antes = e;
    EXPECT_EQ(ExplicaFamilia(e), texto);
    EXPECT_EQ(e, antes);
  }
}

}  // namespace
}  // namespace varlek
