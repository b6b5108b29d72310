// The list of reflections against the peaks of the scan itself, for crystals
// oblique and turned, with one and two atoms.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "scan/Barrido.h"
#include "scan/Reflexiones.h"
#include "state/Angulos.h"

namespace varlek {
namespace {

struct Caso {
  const char* nombre;
  double a, b, angulo, giro;
  int atomos;  // 1: (0,0,1); 2: also (0.5,0.5,0.5); 3: also (0,0.5,1), equal to the first
};

Estado Cristal(const Caso& c) {
  Estado e;
  AsignaValoresIniciales(e);
  e.AVec = c.a;
  e.BVec = c.b;
  e.Theta = ARadianes(c.angulo);
  e.GiroCristal = ARadianes(c.giro);
  e.NumAtomos = static_cast<std::int16_t>(c.atomos == 1 ? 1 : 2);
  e.AtomoX[1] = e.AtomoY[1] = 0;
  e.AtomoF[1] = 1;
  e.AtomoX[2] = c.atomos == 2 ? 0.5 : 0;
  e.AtomoY[2] = 0.5;
  e.AtomoF[2] = c.atomos == 2 ? 0.5f : 1.0f;
  FijaLimites(e, 5, 105);
  return e;
}

// The highest point of the scan within `ancho` degrees of an angle.
float MaximoCerca(const Estado& e, double angulo, double ancho, double* donde = nullptr) {
  float maximo = 0;
  for (int i = 0; i <= 400; ++i) {
    const double a = 5 + i / 4.0;
    if (std::abs(a - angulo) <= ancho && e.Espectro[i] >= maximo) {
      maximo = e.Espectro[i];
      if (donde) *donde = a;
    }
  }
  return maximo;
}

// Each listed reflection that is not extinct stands at a peak of the scan,
// of about the height its structure factor gives (441 cells, cos² 2θ, over the
// number of atoms); each extinction has none; and every peak of the scan
// above its side lobes is a listed reflection.
TEST(Reflexiones, AgreeWithThePeaksOfTheScan) {
  const Caso casos[] = {
      {"rectangular", 4, 5, 90, 0, 1}, {"oblicuo", 4, 5, 60, 0, 1},     {"dos átomos", 4, 5, 90, 0, 2},
      {"extinción", 4, 5, 90, 0, 3},   {"girado 45°", 4, 4, 90, 45, 1}, {"oblicuo girado", 4, 4, 60, 30, 2},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    Estado e = Cristal(c);
    const auto lista = ReflexionesBarrido(e);
    CompletaBarrido(e);
    const double f0 = c.atomos == 2 ? 1.5 : 2;
    const auto altura = [&](double dosTheta, double modulo) {
      const double coseno = std::cos(ARadianes(dosTheta));
      return 441 * modulo * (c.atomos == 1 ? 1 : f0) * coseno * coseno / e.NumAtomos;
    };
    ASSERT_GE(lista.size(), 2u);
    bool extincion = false;
    for (const Reflexion& r : lista) {
      SCOPED_TRACE(testing::Message() << "(" << r.h << "," << r.k << ") " << r.dosTheta);
      EXPECT_NEAR(2 * AGrados(std::asin(e.LambdaX / (2 * r.d))), r.dosTheta, 1e-9);
      const double esperada = altura(r.dosTheta, r.modulo);
      const double maxima = altura(r.dosTheta, 1);
      if (maxima < 40) continue;  // near 2θ = 90° every peak vanishes
      double donde = 0;
      const float pico = MaximoCerca(e, r.dosTheta, 0.6, &donde);
      if (r.modulo == 0) {
        extincion = true;
        EXPECT_LT(pico, 0.1 * maxima);
      } else {
        EXPECT_NEAR(donde, r.dosTheta, 0.3);
        EXPECT_GT(pico, 0.8 * esperada);
        EXPECT_LT(pico, 1.05 * esperada);
      }
    }
    EXPECT_EQ(extincion, c.atomos == 3);
    for (int i = 1; i < 400; ++i) {
      const double a = 5 + i / 4.0;
      const bool pico = e.Espectro[i] >= e.Espectro[i - 1] && e.Espectro[i] >= e.Espectro[i + 1];
      if (!pico || altura(a, 1) < 40 || e.Espectro[i] < 0.4 * altura(a, 1)) continue;
      const bool listada = std::any_of(lista.begin(), lista.end(), [&](const Reflexion& r) {
        return r.modulo > 0 && std::abs(r.dosTheta - a) < 0.5;
      });
      EXPECT_TRUE(listada) << "pico sin reflexión en " << a;
    }
  }
  // The worked angles of the first crystal: (0,1), (0,2), (0,3).
  const auto lista = ReflexionesBarrido(Cristal({"", 4, 5, 90, 0, 1}));
  ASSERT_GE(lista.size(), 3u);
  EXPECT_EQ(lista[0].k, 1);
  EXPECT_NEAR(lista[0].dosTheta, 17.74, 0.01);
  EXPECT_NEAR(lista[1].dosTheta, 35.92, 0.01);
  EXPECT_NEAR(lista[2].dosTheta, 55.10, 0.01);
}

TEST(Reflexiones, ACrystalThatCannotDiffractIsRefused) {
  Estado sinCelda = Cristal({"", 4, 5, 0, 0, 1});
  Estado pequeno = Cristal({"", 0.5, 0.5, 90, 0, 1});  // 2θ of (0,1) lies beyond 180°
  Estado sinFactores = Cristal({"", 4, 5, 90, 0, 1});
  sinFactores.AtomoF[1] = 0;
  Estado sinOnda = Cristal({"", 4, 5, 90, 0, 1});
  sinOnda.LambdaX = 0;
  for (const Estado* e : {&sinCelda, &pequeno, &sinFactores, &sinOnda})
    EXPECT_THROW(ReflexionesBarrido(*e), ErrorCristal);
}

}  // namespace
}  // namespace varlek
