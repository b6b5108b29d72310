// The arithmetic of the structure window: plane families and their lines,
// levelling a family, atom colours and centres, and what the window reads.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "apoyo/CodigoError.h"
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
  e.AVec = a;
  e.BVec = b;
  e.Theta = ARadianes(grados);
  e.IndiceH = static_cast<std::int16_t>(h);
  e.IndiceK = static_cast<std::int16_t>(k);
  return e;
}

// The distance between neighbouring rows of lattice points of the family
// (h, k), from the direct lattice alone: the rows run along k·a − h·b, and
// the cell's area over that length is their distance.
double DistanciaEntreFilas(const Estado& e) {
  const double t = e.Theta;
  const double rx = e.IndiceK * e.AVec - e.IndiceH * e.BVec * std::cos(t);
  const double ry = -e.IndiceH * e.BVec * std::sin(t);
  return std::abs(e.AVec * e.BVec * std::sin(t)) / std::hypot(rx, ry);
}

struct Familia {
  double a, b, grados;
  int h, k;
  std::int64_t n;  // 5·d01/d, truncated
};

// The square crystal of 4 Å (90° is stored just short of a right angle, so
// (0, 1) gives N = 4, not 5), oblique lattices whose (h, k) and (h, −k) rows
// differ, negative indices and a negative angle.
const Familia kFamilias[] = {
    {4, 4, 90, 0, 1, 4},  {4, 4, 90, 1, 1, 7},   {4, 4, 60, 1, 1, 5},   {4, 4, 60, 2, 1, 8},
    {4, 4, 60, -1, 1, 8}, {3, 5, -75, 1, 2, 11}, {3, 5, 75, 2, -3, 25}, {3, 5, 75, 1, 2, 11},
};

TEST(FamiliaPlanos, SpacingIsTheDistanceBetweenRowsAndLinesRunFromMinusNToN) {
  for (const Familia& f : kFamilias) {
    Estado e = Cristal(f.a, f.b, f.grados, f.h, f.k);
    const std::int64_t n = CalculaFamilia(e);
    const std::string caso = std::to_string(f.h) + "," + std::to_string(f.k) + " at " + std::to_string(f.grados);
    EXPECT_EQ(n, f.n) << caso;
    EXPECT_NEAR(e.Espaciado, DistanciaEntreFilas(e), 1e-6 * e.Espaciado) << caso;
    EXPECT_DOUBLE_EQ(e.ModuloG, 1 / DistanciaEntreFilas(e)) << caso;
    const std::vector<double> alturas = AlturasLineas(e.Espaciado, n, kAbajo, kArriba, kPixel);
    ASSERT_EQ(alturas.size(), static_cast<std::size_t>(2 * n + 1)) << caso;
    for (std::size_t i = 0; i < alturas.size(); ++i)
      EXPECT_NEAR(alturas[i], 10.0 * (static_cast<double>(i) - n) * e.Espaciado, 1e-9) << caso;
  }
  // The worked crystal's (0, 1) lines go through its rows of atoms.
  Estado e = Cristal(4, 4, 90, 0, 1);
  EXPECT_EQ(AlturasLineas(e.Espaciado, CalculaFamilia(e), kAbajo, kArriba, kPixel),
            (std::vector<double>{-160, -120, -80, -40, 0, 40, 80, 120, 160}));
}

TEST(FamiliaPlanos, LevellingPutsEveryAtomOfTheCrystalOnALineOfTheFamily) {
  for (const Familia& f : kFamilias) {
    Estado e = Cristal(f.a, f.b, f.grados, f.h, f.k);
    e.AtomoX[1] = 0.3, e.AtomoY[1] = 0.6;  // a row through an atom off the corner
    ASSERT_TRUE(GiraHaciaFamilia(e));
    CalculaFamilia(e);
    const Centro origen = *CentroAtomo(e, 0, 0, 1);
    for (int i = -5; i <= 5; ++i) {
      for (int j = -5; j <= 5; ++j) {
        // Half a turn written 3.1416 tilts the rows by 7e-6 rad: a few
        // thousandths of a unit across the drawing, far below a pixel.
        const double filas = (CentroAtomo(e, i, j, 1)->y - origen.y) / (10 * e.Espaciado);
        EXPECT_NEAR(filas * 10 * e.Espaciado, std::round(filas) * 10 * e.Espaciado, 0.01)
            << f.h << "," << f.k << " at " << f.grados << ": " << i << "," << j;
      }
    }
  }
}

TEST(FamiliaPlanos, DegenerateOrHugeFamiliesFailOrStayWithinTheDrawingArea) {
  struct Caso {
    double a, b, grados;
    int h, k;
    int codigo;
    std::size_t lineas;  // drawn, when it does not fail (0: the area's rows at most)
  };
  const Caso casos[] = {
      {4, 4, 90, 0, 0, codigo::DivisionPorCero, 0},
      {0, 4, 90, 1, 1, codigo::DivisionPorCero, 0},
      {4, 0, 90, 1, 1, codigo::DivisionPorCero, 0},
      {4, 4, 0, 1, 1, codigo::DivisionPorCero, 0},
      {1e-30, 4, 90, 1, 0, codigo::Desbordamiento, 0},   // N beyond 64 bits
      {1e-50, 4, 90, 1, 0, codigo::Desbordamiento, 0},   // the spacing underflows a float
      {1e40, 4, 90, 1, 0, codigo::Desbordamiento, 0},    // the spacing is beyond a float
      {1e-300, 4, 90, 1, 0, codigo::Desbordamiento, 0},  // the reciprocal vector is beyond a double
      {1e20, 4, 90, 1, 0, 0, 1},                         // one line, at 0
      {4, 1e30, 90, 0, 1, 0, 1},                         // N = 4, lines 1e31 apart
      {4, 4, 90, 32767, 32767, 0, 0},                    // 463 000 lines in 400 units
      {4, 4, 90, -32768, 1, 0, 0},
  };
  for (const Caso& c : casos) {
    Estado e = Cristal(c.a, c.b, c.grados, c.h, c.k);
    std::vector<double> alturas;
    std::int64_t n = 0;
    const int codigo = prueba::CodigoDe([&] {
      n = CalculaFamilia(e);
      alturas = AlturasLineas(e.Espaciado, n, kAbajo, kArriba, kPixel);
    });
    const std::string caso = std::to_string(c.a) + " " + std::to_string(c.b) + " " + std::to_string(c.h);
    EXPECT_EQ(codigo, c.codigo) << caso;
    if (codigo != 0) continue;
    if (c.lineas != 0) {
      EXPECT_EQ(alturas, std::vector<double>(c.lineas, 0.0)) << caso;
      continue;
    }
    // Denser than the pixels: the band from the lowest to the highest line,
    // one line a pixel.
    const double extremo = 10.0 * static_cast<double>(n) * e.Espaciado;
    ASSERT_GE(alturas.size(), 2u) << caso;
    EXPECT_LE(alturas.size(), 2 * extremo / kPixel + 2) << caso;
    EXPECT_DOUBLE_EQ(alturas.front(), -extremo) << caso;
    EXPECT_DOUBLE_EQ(alturas.back(), extremo) << caso;
    for (std::size_t i = 1; i < alturas.size(); ++i) EXPECT_LE(alturas[i] - alturas[i - 1], kPixel + 1e-9) << caso;
  }
}

TEST(GiroFamilia, AbsoluteRotationsAndTheCasesWithoutOne) {
  const double kSinGirar = 0.5;
  struct Caso {
    double a, b, grados;
    int h, k;
    double giro;  // kSinGirar: unchanged
    double tolerancia;
  };
  const Caso casos[] = {
      {4, 4, 90, 0, 1, 3.1416, 0},
      {3, 5, 75, 0, 1, 3.1416, 0},
      {2, 7, -120, 0, 1, 3.1416, 0},
      {4, 4, 90, 1, 0, 4.7124, 1e-4},  // vector a points down
      {4, 4, 90, 1, 1, 3.1416 + 3.1416 / 4, 1e-4},
      {0, 4, 90, 1, 1, kSinGirar, 0},
      {4, 0, 90, 1, 1, kSinGirar, 0},
      {4, 4, 0, 1, 1, kSinGirar, 0},
      {4, 4, 90, 0, 0, kSinGirar, 0},
      {1e-300, 4, 90, 1, 0, kSinGirar, 0},
  };
  for (const Caso& c : casos) {
    // The rotation is absolute: the one before does not count.
    for (double antes : {kSinGirar, 2.0}) {
      Estado e = Cristal(c.a, c.b, c.grados, c.h, c.k);
      e.GiroCristal = antes;
      const bool gira = GiraHaciaFamilia(e);
      const std::string caso = std::to_string(c.a) + " " + std::to_string(c.grados) + " (" + std::to_string(c.h) + "," +
                               std::to_string(c.k) + ")";
      EXPECT_EQ(gira, c.giro != kSinGirar) << caso;
      EXPECT_NEAR(e.GiroCristal, gira ? c.giro : antes, c.tolerancia) << caso;
      if (c.h == 0 && c.k == 1) {
        EXPECT_EQ(e.GiroCristal, kMedioGiro) << caso;
      }
    }
  }
  // A reciprocal vector square to that of (0, 1): the limits on either side.
  EXPECT_DOUBLE_EQ(*AnguloDeGiro(0, 0.7), 1.5708);
  EXPECT_DOUBLE_EQ(*AnguloDeGiro(0, -0.7), 4.7124);
  EXPECT_EQ(AnguloDeGiro(NAN, 1), std::nullopt);
  EXPECT_EQ(AnguloDeGiro(1, INFINITY), std::nullopt);
}

TEST(DibujoAtomos, ColourByFactorHeldWithinThePalette) {
  const std::pair<float, int> casos[] = {
      {1, 9},      {0.9f, 10}, {0.8f, 11}, {0.7f, 12}, {0.5f, 14}, {0.4f, 15},   {0.3f, 15},
      {0.25f, 15}, {0, 15},    {1.5f, 4},  {2, 0},     {2.5f, 0},  {-1e30f, 15}, {1e30f, 0},
  };
  for (const auto& [factor, indice] : casos) EXPECT_EQ(IndiceColor(factor), indice) << factor;
}

TEST(DibujoAtomos, WorkedCrystalIsASquareGridAboutTheOriginAndTurnsWithTheCrystal) {
  Estado e = Cristal(4, 4, 90, 0, 1);
  std::set<std::pair<long, long>> centros, esperados;
  for (int i = -5; i <= 5; ++i) {
    for (int j = -5; j <= 5; ++j) {
      const Centro c = *CentroAtomo(e, i, j, 1);
      centros.insert({std::lround(c.x), std::lround(c.y)});
      esperados.insert({40L * i, 40L * j});
    }
  }
  EXPECT_EQ(centros, esperados);
  e.GiroCristal = ARadianes(90);  // a now points up, b to the left
  EXPECT_NEAR(CentroAtomo(e, 1, 0, 1)->y, 40, 1e-3);
  EXPECT_NEAR(CentroAtomo(e, 0, 1, 1)->x, -40, 1e-3);
  // A position beyond the range of a double is not drawn.
  e.AVec = e.BVec = 1e308;
  EXPECT_EQ(CentroAtomo(e, 5, 5, 1), std::nullopt);
}

TEST(EntradaVisor, IndicesFromTextAndClickPairs) {
  const std::pair<const char*, int> textos[] = {
      {" 2", 2},  {"2.5", 2}, {"3.5", 4},       {"-2.5", -2},     {"-1", -1},       {"1,7", 1},
      {"abc", 0}, {"", 0},    {"70000", 32767}, {"-1e9", -32768}, {"1e400", 32767},
  };
  for (const auto& [texto, indice] : textos) EXPECT_EQ(IndiceDeTexto(texto), indice) << texto;

  // However many clicks, a first point and a second point alternate.
  std::int16_t contador = 1;
  for (int clic = 0; clic < 70000; ++clic) {
    const std::int16_t siguiente = SiguienteClic(contador);
    ASSERT_GT(siguiente, 0) << clic;
    ASSERT_NE(siguiente % 2, contador % 2) << clic;
    contador = siguiente;
  }
}

TEST(ExplicacionFamilia, SpacingAndFirstOrderAngleOrWhyThereIsNone) {
  struct Caso {
    double a, lambda;
    int h, k;
    const char* texto;
  };
  // 2θ = 2·arcsin(λ/2d): 22.22° for d = 4 Å, 31.63° for d = 2.828422 Å.
  const Caso casos[] = {
      {4, 1.5418, 0, 1, "Espaciado d = 4 Å; primer orden a 2θ = 22.22°"},
      {4, 1.5418, 1, 1, "Espaciado d = 2.828422 Å; primer orden a 2θ = 31.63°"},
      {4, 10, 0, 1, "Espaciado d = 4 Å; no difracta: λ/2d > 1 con λ = 10 Å"},
      {4, 0, 0, 1, "Espaciado d = 4 Å; no difracta con λ = 0 Å"},
      {4, 1.5418, 0, 0, "Esta familia de planos no tiene espaciado definido"},
      {0, 1.5418, 1, 1, "Esta familia de planos no tiene espaciado definido"},
  };
  for (const Caso& c : casos) {
    Estado e = Cristal(c.a, 4, 90, c.h, c.k);
    e.LambdaX = c.lambda;
    const Estado antes = e;
    EXPECT_EQ(ExplicaFamilia(e), c.texto);
    EXPECT_EQ(e, antes);
  }
}

}  // namespace
}  // namespace varlek
