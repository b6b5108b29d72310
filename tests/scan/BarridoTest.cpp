#include <cmath>
#include <vector>

#include "apoyo/Comun.h"
#include "apoyo/CristalDePrueba.h"
#include "apoyo/Impresion.h"
#include "scan/Barrido.h"
#include "scan/ModeloIntensidad.h"

namespace varlek {
namespace {

const float kSinEscribir = -1;  // no intensity is negative

// A crystal with peaks (b = 5, 90°, one atom) in the reset state, the
// spectrum marked as not yet written.
Estado EstadoInicial() {
  Estado e;
  AsignaValoresIniciales(e);
  prueba::CristalDePrueba(e);
  e.Espectro.Rellena(kSinEscribir);
  return e;
}

TEST(Barrido, EveryRangeWritesEachSlotOnceAtItsOwnAngleAndRewinds) {
  // Each path is a float below 2048; computing an angle another way may move
  // a wave's phase by one rounding step, 6.2832·2^-13/λ, and 441 waves by 441 times that.
  const double redondeo = 441 * 6.2832 * std::ldexp(1.0, -13) / 1.5418;
  const double limites[][2] = {{5, 105}, {0, 90}, {20, 100}, {5, 45}, {10, 170}, {12.5, 13.3}};
  for (const auto& [minimo, maximo] : limites) {
    Estado e = EstadoInicial();
    FijaLimites(e, minimo, maximo);
    EXPECT_EQ(e.EspectroMin, minimo);
    EXPECT_EQ(e.EspectroMax, static_cast<float>(maximo));
    EXPECT_EQ(e.DeltaMedio, e.DeltaRad / 2);
    std::vector<int> ranuras;  // as the timer runs it, step by step
    do {
      IniciaPaso(e);
      ranuras.push_back(CalculaPunto(e));
    } while (!AvanzaAngulo(e) && ranuras.size() < 1000);
    ASSERT_EQ(ranuras.size(), 401u) << minimo << " to " << maximo;
    EXPECT_EQ(e.DeltaRad, 6.2832 * minimo / 360) << "rewound to the start of " << minimo << " to " << maximo;

    Estado aparte = EstadoInicial();
    for (int i = 0; i <= 400; ++i) {
      ASSERT_EQ(ranuras[i], i) << minimo << " to " << maximo;
      aparte.DeltaRad = 6.2832 * (minimo + (maximo - minimo) * i / 400) / 360;
      aparte.DeltaMedio = aparte.DeltaRad / 2;
      ASSERT_NEAR(e.Espectro[i], CalculaIntensidad(aparte), redondeo) << minimo << " to " << maximo << ", slot " << i;
    }
  }
}

TEST(Barrido, ASlotOutsideTheSpectrumOrAZeroStepWritesNothing) {
  // The current angle and the step, with the limits 5° and 105°.
  const double fuera = codigo::FueraDeIntervalo,
               casos[][3] = {{4.8, 0.25, fuera}, {105.25, 0.25, fuera}, {50, 0, codigo::DivisionPorCero}};
  for (const auto& [grados, paso, esperado] : casos) {
    Estado e = EstadoInicial();
    e.DeltaRad = grados * 6.2832 / 360, e.PasoDelta = paso;
    EXPECT_EQ(prueba::CodigoDe([&] { CalculaPunto(e); }), esperado) << grados;
    for (float punto : e.Espectro) EXPECT_EQ(punto, kSinEscribir) << grados;
  }
}

TEST(Barrido, LimitsBeyondAFloatChangeNothingAndAStepTooSmallEndsTheScan) {
  Estado e = EstadoInicial();
  e.LambdaX = 2.2909;
  EXPECT_EQ(prueba::CodigoDe([&] { FijaLimites(e, 2.5, 1e39); }), codigo::Desbordamiento);
  EXPECT_EQ(e.DeltaMin, 5);
  EXPECT_EQ(e.DeltaMax, 105);
  EXPECT_EQ(e.DeltaRad, 15.708 / 180);
  FijaLimites(e, 5, 5 + 1e-13);
  EXPECT_EQ(CalculaPunto(e), 0);
  EXPECT_TRUE(AvanzaAngulo(e));
  EXPECT_EQ(e.DeltaRad, 6.2832 * 5 / 360);
  EXPECT_EQ(e.LambdaX, 2.2909);
}

// One grey level darker every 1.4 plot units: white for 0 and below, black
// from 357 up, and a value that is no number black as well.
TEST(Barrido, DetectorMarkGreyLevels) {
  const std::pair<float, int> grises[] = {{0, 255}, {1.39f, 255}, {7, 250},  {140, 155},        {356.99f, 1},
                                          {357, 0}, {1e30f, 0},   {-3, 255}, {std::nanf(""), 0}};
  for (auto [v, g] : grises) EXPECT_EQ(GrisMarca(v), g) << v;
}

}  // namespace
}  // namespace varlek
