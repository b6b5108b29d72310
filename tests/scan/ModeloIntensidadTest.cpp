#include <cmath>
#include <limits>
#include <utility>

#include "apoyo/Comun.h"
#include "apoyo/CristalDePrueba.h"
#include "scan/ModeloIntensidad.h"
#include "state/Angulos.h"

namespace varlek {
namespace {

// One atom of factor 1 at (0, 0) in a cell of a = 4, b = 5, from the reset state.
Estado Celda(double thetaGrados) {
  Estado e;
  AsignaValoresIniciales(e);
  prueba::CristalDePrueba(e, thetaGrados);
  return e;
}

float IntensidadA(Estado e, double grados) {
  e.DeltaRad = ARadianes(grados);
  e.DeltaMedio = e.DeltaRad / 2;
  return CalculaIntensidad(e);
}

TEST(ModeloIntensidad, InPhaseAtZeroNothingAtNinetyAndPathsHeldAsFloats) {
  EXPECT_NEAR(IntensidadA(Celda(90), 0), 441, 1e-3);
  EXPECT_LT(IntensidadA(Celda(90), 90), 1e-8);
  // Every float from 512 on is a whole multiple of 2^-14. A wavelength that
  // turns 2^-14 of path into one turn of the phase (the model's turn is
  // 6.2832) puts every wave in phase at any angle, but only if the paths are
  // rounded to floats.
  Estado e = Celda(73);
  e.AVec = 4.37, e.BVec = 5.13, e.LambdaX = 6.2832 * std::ldexp(1.0, -14) / (2 * std::acos(-1.0));
  EXPECT_NEAR(IntensidadA(e, 47.5), 441 * std::pow(std::cos(ARadianes(47.5)), 2), 1e-3);
}

TEST(ModeloIntensidad, OnlyTheFirstNumAtomosAtomsCount) {
  Estado dos = Celda(90);
  dos.NumAtomos = 2;
  dos.AtomoX[2] = 0.4, dos.AtomoY[2] = 0.3, dos.AtomoF[2] = 0;
  dos.AtomoX[3] = 1e30, dos.AtomoY[3] = std::numeric_limits<double>::quiet_NaN(), dos.AtomoF[4] = -3;
  // A factor 0 adds nothing to the sums but still divides by two.
  for (double angulo : {10.0, 17.75, 61.25}) EXPECT_EQ(IntensidadA(dos, angulo), IntensidadA(Celda(90), angulo) / 2);
}

TEST(ModeloIntensidad, ValuesTheModelCannotUseAreErrorsThatStoreNothing) {
  const std::pair<void (*)(Estado&), int> casos[] = {
      {[](Estado& e) { e.LambdaX = 0; }, codigo::DivisionPorCero},
      {[](Estado& e) { e.NumAtomos = 0; }, codigo::DivisionPorCero},
      {[](Estado& e) { e.AVec = 1e40; }, codigo::Desbordamiento},                        // a position
      {[](Estado& e) { e.DeltaRad = 0, e.AtomoF[1] = 1e36f; }, codigo::Desbordamiento},  // the sum
      {[](Estado& e) { e.NumAtomos = 5; }, codigo::FueraDeIntervalo}};
  for (const auto& [cambia, esperado] : casos) {
    Estado e = Celda(90);
    e.DeltaRad = ARadianes(20), e.Intensidad = 123;
    cambia(e);
    EXPECT_EQ(prueba::CodigoDe([&] { EvaluaIntensidad(e); }), esperado);
    EXPECT_EQ(e.Intensidad, 123);
  }
}

}  // namespace
}  // namespace varlek
