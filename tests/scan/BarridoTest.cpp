#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "apoyo/CodigoError.h"
#include "scan/Barrido.h"
#include "scan/ModeloIntensidad.h"
#include "state/ErrorVarlek.h"

namespace varlek {
namespace {

const float kSinEscribir = -1;  // no intensity is negative

// A crystal with peaks (b = 5, 90°, one atom) in the reset state, the
// spectrum marked as not yet written.
Estado EstadoInicial() {
  Estado e;
  AsignaValoresIniciales(e);
  e.AVec = 4;
  e.BVec = 5;
  e.Theta = 90 * 6.2832 / 360;
  e.Espectro.Rellena(kSinEscribir);
  return e;
}

// Runs the scan step by step as the timer does and returns the slots in
// the order they were written.
std::vector<int> RanurasDelBarrido(Estado& e) {
  std::vector<int> ranuras;
  do {
    ranuras.push_back(CalculaPunto(e));
  } while (!AvanzaAngulo(e) && ranuras.size() < 1000);
  return ranuras;
}

std::vector<int> Seguidas(int desde, int hasta) {
  std::vector<int> ranuras;
  for (int i = desde; i <= hasta; ++i) ranuras.push_back(i);
  return ranuras;
}

// Each path is a float near 1000; a different rounding of the angle may move
// each wave's phase by up to 6.2832·2^-14/λ, and 441 waves by 441 times that.
const double kRedondeoMaximo = 441 * 6.2832 * std::ldexp(1.0, -14) / 1.5418;

TEST(Barrido, DefaultScanWritesEverySlotOnceAtItsOwnAngle) {
  Estado e = EstadoInicial();
  const auto ranuras = RanurasDelBarrido(e);
  EXPECT_EQ(ranuras, Seguidas(0, 400));

  Estado independiente = EstadoInicial();
  for (int i = 0; i <= 400; ++i) {
    independiente.DeltaRad = 6.2832 * (5 + 0.25 * i) / 360;
    independiente.DeltaMedio = independiente.DeltaRad / 2;
    EXPECT_NEAR(e.Espectro[i], CalculaIntensidad(independiente), kRedondeoMaximo) << "slot " << i;
  }
  // The peak at 17.75° sits at its own slot, 51, not the one below.
  EXPECT_GT(e.Espectro[51], e.Espectro[50]);
  EXPECT_GT(e.Espectro[51], e.Espectro[52]);
}

TEST(Barrido, EveryRangeComputesItsPointAtDeltaMax) {
  const double limites[][2] = {{5, 105}, {0, 90}, {20, 100}, {5, 45}, {10, 170}, {12.5, 13.3}};
  for (const auto& [minimo, maximo] : limites) {
    Estado e = EstadoInicial();
    FijaLimites(e, minimo, maximo);
    EXPECT_EQ(RanurasDelBarrido(e), Seguidas(0, 400)) << minimo << " to " << maximo;
    EXPECT_EQ(e.DeltaRad, 6.2832 * minimo / 360) << "rewound to the start of " << minimo << " to " << maximo;
  }
}

TEST(Barrido, CompleteScanEndsRewoundToTheStart) {
  Estado e = EstadoInicial();
  CompletaBarrido(e);
  for (float punto : e.Espectro) EXPECT_NE(punto, kSinEscribir);
  // With the default limits the start is 5° however it is written.
  EXPECT_EQ(e.DeltaRad, 15.708 / 180);

  // A second scan needs no reset.
  const auto primero = e.Espectro;
  e.Espectro.Rellena(kSinEscribir);
  CompletaBarrido(e);
  EXPECT_EQ(e.Espectro, primero);
}

TEST(Barrido, ScanContinuesFromWhereItStopped) {
  Estado e = EstadoInicial();
  for (int i = 0; i < 200; ++i) {
    CalculaPunto(e);
    AvanzaAngulo(e);
  }
  const auto antes = e.Espectro;
  e.Espectro.Rellena(kSinEscribir);
  for (int i = 0; i < 200; ++i) e.Espectro[i] = antes[i];
  CompletaBarrido(e);
  Estado entero = EstadoInicial();
  CompletaBarrido(entero);
  EXPECT_EQ(e.Espectro, entero.Espectro);
}

TEST(Barrido, SlotOutsideTheSpectrumIsAnError) {
  struct Caso {
    const char* nombre;
    double grados;  // the current angle, with the default limits
    int codigo;
  };
  const Caso casos[] = {
      {"below the start", 4.8, codigo::FueraDeIntervalo},
      {"one step past the end", 105.25, codigo::FueraDeIntervalo},
      {"far beyond", 1e300, codigo::FueraDeIntervalo},
  };
  for (const auto& c : casos) {
    Estado e = EstadoInicial();
    e.DeltaRad = c.grados * 6.2832 / 360;
    EXPECT_EQ(prueba::CodigoDe([&] { CalculaPunto(e); }), c.codigo) << c.nombre;
    for (float punto : e.Espectro) EXPECT_EQ(punto, kSinEscribir) << c.nombre;
  }

  Estado e = EstadoInicial();
  e.DeltaRad = 105.1 * 6.2832 / 360;  // nearer 105° than 105.25°
  EXPECT_EQ(RanuraActual(e), 400);
  e.PasoDelta = 0;
  EXPECT_EQ(prueba::CodigoDe([&] { RanuraActual(e); }), codigo::DivisionPorCero) << "no error for a zero step";
}

TEST(Barrido, LimitsAreStoredAsTheDialogStoresThem) {
  Estado e = EstadoInicial();
  e.LambdaX = 2.2909;
  FijaLimites(e, 2.5, 100.1);
  EXPECT_EQ(e.DeltaMin, 2.5);
  EXPECT_EQ(e.DeltaMax, 100.1);
  EXPECT_EQ(e.PasoDelta, (100.1 - 2.5) / 400);
  EXPECT_EQ(e.EspectroMin, 2.5);
  EXPECT_EQ(e.EspectroMax, 100.1f);
  EXPECT_EQ(e.DeltaRad, 6.2832 * 2.5 / 360);
  EXPECT_EQ(e.DeltaMedio, e.DeltaRad / 2);
  EXPECT_EQ(e.LambdaX, 2.2909);  // nothing else is reset

  const Estado antes = e;
  EXPECT_EQ(prueba::CodigoDe([&] { FijaLimites(e, 5, 1e39); }), codigo::Desbordamiento)
      << "no error for an end angle beyond a float";
  EXPECT_EQ(e.DeltaMax, antes.DeltaMax);
  EXPECT_EQ(e.DeltaRad, antes.DeltaRad);
}

TEST(Barrido, StepTooSmallToMoveTheAngleEndsTheScan) {
  Estado e = EstadoInicial();
  FijaLimites(e, 5, 5 + 1e-13);
  EXPECT_EQ(RanurasDelBarrido(e), std::vector<int>{0});
  EXPECT_EQ(e.DeltaRad, 6.2832 * 5 / 360);
}

}  // namespace
}  // namespace varlek
