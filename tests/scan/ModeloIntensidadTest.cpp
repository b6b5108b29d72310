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
Estado Celda(double thetaGrados, double giroGrados = 0) {
  Estado e;
  AsignaValoresIniciales(e);
  prueba::CristalDePrueba(e, thetaGrados);
  e.GiroCristal = ARadianes(giroGrados);
  return e;
}

float IntensidadA(Estado e, double grados) {
  e.DeltaRad = ARadianes(grados);
  e.DeltaMedio = e.DeltaRad / 2;
  return CalculaIntensidad(e);
}

// The highest point between two angles of the default scan's grid (0.25°).
std::pair<double, float> Maximo(const Estado& e, double desde, double hasta) {
  std::pair<double, float> pico{0, -1};
  for (double a = desde; a <= hasta; a += 0.25)
    if (const float valor = IntensidadA(e, a); valor > pico.second) pico = {a, valor};
  return pico;
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

TEST(ModeloIntensidad, BraggPeaksMoveWithTheCellAndTheRotation) {
  // 2·sin θ = k·λ/d. Without rotation the planes parallel to a reflect,
  // d = b·sin Theta: 17.74°, 35.92°, 55.10° for 90°; 20.51°, 41.72°, 64.51°
  // for 60°. The scattering vector stands at 90° − GiroCristal from the a
  // axis, so with Theta = 60° a rotation of −60° makes it perpendicular to b:
  // the planes parallel to b reflect, d = a·sin Theta = 3.464, at 25.72°.
  const struct {
    double theta, giro, esperado;  // degrees
    float altura;                  // 0: not checked
  } casos[] = {{90, 0, 17.75, 400}, {90, 0, 55, 142}, {60, 0, 41.75, 0}, {60, -60, 25.75, 0}};
  for (const auto& c : casos) {
    const auto [angulo, valor] = Maximo(Celda(c.theta, c.giro), c.esperado - 3, c.esperado + 3);
    EXPECT_EQ(angulo, c.esperado) << "Theta " << c.theta << ", giro " << c.giro;
    if (c.altura > 0) {
      EXPECT_NEAR(valor, c.altura, 0.02 * c.altura) << c.esperado;
    }
  }
  // That rotation takes the first peak away.
  EXPECT_LT(IntensidadA(Celda(60, -60), 20.5), 50);
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
