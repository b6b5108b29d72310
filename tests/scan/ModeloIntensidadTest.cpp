#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "apoyo/CodigoError.h"
#include "scan/ModeloIntensidad.h"
#include "state/ErrorVarlek.h"

namespace varlek {
namespace {

double Radianes(double grados) { return grados * 6.2832 / 360; }

// One atom of factor 1 at (0, 0) in a cell of b = 5, from the reset state.
Estado CeldaSencilla(double thetaGrados) {
  Estado e;
  AsignaValoresIniciales(e);
  e.AVec = 4;
  e.BVec = 5;
  e.Theta = Radianes(thetaGrados);
  return e;
}

float IntensidadA(Estado e, double grados) {
  e.DeltaRad = Radianes(grados);
  e.DeltaMedio = e.DeltaRad / 2;
  return CalculaIntensidad(e);
}

// The default scan's angles, 5° to 105° in steps of 0.25°.
std::vector<float> Difractograma(const Estado& e) {
  std::vector<float> valores;
  for (int i = 0; i <= 400; ++i) valores.push_back(IntensidadA(e, 5 + 0.25 * i));
  return valores;
}

struct Pico {
  double angulo;
  float valor;
};

// The highest point of the scan between two angles.
Pico Maximo(const std::vector<float>& valores, double desde, double hasta) {
  Pico pico{0, -1};
  for (int i = 0; i <= 400; ++i) {
    const double angulo = 5 + 0.25 * i;
    if (angulo >= desde && angulo <= hasta && valores[i] > pico.valor) pico = {angulo, valores[i]};
  }
  return pico;
}

// Each wave's path is a float near Distancia = 1000 (spacing 2^-14); its two
// roundings move the phase by at most 6.2832·2^-14/λ, so a crystal whose sum
// only changes through rounding moves by at most 441 times that.
const double kRedondeoMaximo = 441 * 6.2832 * std::ldexp(1.0, -14) / 1.5418;

TEST(ModeloIntensidad, AllWavesInPhaseAtZeroAngle) {
  Estado e = CeldaSencilla(90);
  EXPECT_NEAR(IntensidadA(e, 0), 441, 1e-3);
  e.AVec = 6.5;
  e.Theta = Radianes(60);
  EXPECT_NEAR(IntensidadA(e, 0), 441, 1e-3);
}

TEST(ModeloIntensidad, PathsAreHeldAsFloats) {
  // Every float from 512 on is a whole multiple of 2^-14. With a wavelength
  // that turns 2^-14 of path into one full turn of the phase (the model's
  // turn is 6.2832), every wave arrives in phase at any angle, which only
  // paths rounded to floats can give.
  Estado e = CeldaSencilla(73);
  e.AVec = 4.37;
  e.BVec = 5.13;
  e.LambdaX = 6.2832 * std::ldexp(1.0, -14) / (2 * std::acos(-1.0));
  for (double angulo : {12.0, 30.0, 47.5}) {
    const double c = std::cos(Radianes(angulo));
    EXPECT_NEAR(IntensidadA(e, angulo), 441 * c * c, 1e-3) << angulo;
  }
}

TEST(ModeloIntensidad, BraggPeaksOfThePlanesParallelToA) {
  struct Caso {
    double theta;  // degrees
    double esperados[3];
    float alturas[3];  // 0: not checked
  };
  // 2·sin θ = k·λ/(b·sin Theta): 17.74°, 35.92°, 55.10° for 90°;
  // 20.51°, 41.72°, 64.51° for 60°.
  const Caso casos[] = {
      {90, {17.75, 36, 55}, {400, 285, 142}},
      {60, {20.5, 41.75, 64.5}, {0, 0, 0}},
  };
  for (const auto& c : casos) {
    const auto valores = Difractograma(CeldaSencilla(c.theta));
    for (int k = 0; k < 3; ++k) {
      const Pico pico = Maximo(valores, c.esperados[k] - 3, c.esperados[k] + 3);
      EXPECT_EQ(pico.angulo, c.esperados[k]) << "Theta " << c.theta << ", order " << k + 1;
      if (c.alturas[k] > 0) {
        EXPECT_NEAR(pico.valor, c.alturas[k], 0.02 * c.alturas[k]);
      }
    }
  }
}

TEST(ModeloIntensidad, NeverAboveTheAngularFactorOfAFullBlock) {
  Estado e = CeldaSencilla(75);
  e.NumAtomos = 3;
  e.AtomoX[2] = 0.3, e.AtomoY[2] = 0.6, e.AtomoF[2] = 0.5f;
  e.AtomoX[3] = 0.8, e.AtomoY[3] = 0.1, e.AtomoF[3] = 1.0f;
  const auto valores = Difractograma(e);
  for (int i = 0; i <= 400; ++i) {
    const double c = std::cos(Radianes(5 + 0.25 * i));
    EXPECT_LE(valores[i], 441 * c * c * (1 + 1e-6)) << 5 + 0.25 * i;
  }
}

TEST(ModeloIntensidad, PracticallyZeroAtNinetyDegrees) {
  Estado e = CeldaSencilla(90);
  EXPECT_LT(IntensidadA(e, 90), 1e-8);
  e.NumAtomos = 4;
  e.AtomoX[2] = 0.5, e.AtomoY[3] = 0.5, e.AtomoX[4] = 0.25, e.AtomoY[4] = 0.75;
  e.GiroCristal = Radianes(33);
  EXPECT_LT(IntensidadA(e, 90), 1e-8);
}

TEST(ModeloIntensidad, OnlyTheFirstNumAtomosAtomsCount) {
  Estado uno = CeldaSencilla(90);
  Estado conNulo = uno;
  conNulo.NumAtomos = 2;
  conNulo.AtomoX[2] = 0.4, conNulo.AtomoY[2] = 0.3, conNulo.AtomoF[2] = 0.0f;
  Estado conBasura = conNulo;
  conBasura.AtomoX[3] = 1e30, conBasura.AtomoY[3] = std::numeric_limits<double>::quiet_NaN();
  conBasura.AtomoX[4] = -7, conBasura.AtomoF[3] = 1e30f, conBasura.AtomoF[4] = -3.0f;
  for (double angulo : {10.0, 17.75, 36.0, 61.25}) {
    const float sencillo = IntensidadA(uno, angulo);
    // A factor 0 adds nothing to the sums but still divides by two.
    EXPECT_EQ(IntensidadA(conNulo, angulo), sencillo / 2) << angulo;
    EXPECT_EQ(IntensidadA(conBasura, angulo), sencillo / 2) << angulo;
  }
}

TEST(ModeloIntensidad, WithoutRotationTheAAxisDoesNotMatter) {
  Estado corto = CeldaSencilla(90);
  Estado largo = corto;
  largo.AVec = 7.3;
  largo.AtomoX[1] = 0.37;
  const auto a = Difractograma(corto);
  const auto b = Difractograma(largo);
  for (int i = 0; i <= 400; ++i) EXPECT_NEAR(a[i], b[i], kRedondeoMaximo) << 5 + 0.25 * i;
}

TEST(ModeloIntensidad, RotationBringsOtherPlanesIntoReflection) {
  // Cell 4 × 5, rectangular. The scattering vector stands at 90° − GiroCristal
  // from the a axis, so a rotation of atan(5/4) makes it parallel to the
  // reciprocal vector of the (1, 1) planes: d = 1/√(1/16 + 1/25) = 3.123,
  // 2θ = 2·asin(λ/(2d)) = 28.58°.
  Estado e = CeldaSencilla(90);
  e.GiroCristal = std::atan(5.0 / 4.0);
  const auto valores = Difractograma(e);
  const Pico pico = Maximo(valores, 24, 33);
  EXPECT_NEAR(pico.angulo, 28.58, 0.25);
  EXPECT_GT(pico.valor, 200);
  EXPECT_LT(Maximo(valores, 16, 19.5).valor, 50);  // the (0, 1) peak has gone
}

TEST(ModeloIntensidad, ValuesTheModelCannotUseAreErrors) {
  struct Caso {
    const char* nombre;
    void (*cambia)(Estado&);
    int codigo;
  };
  const Caso casos[] = {
      {"wavelength 0", [](Estado& e) { e.LambdaX = 0; }, codigo::DivisionPorCero},
      {"no atoms", [](Estado& e) { e.NumAtomos = 0; }, codigo::DivisionPorCero},
      {"position beyond a float", [](Estado& e) { e.AVec = 1e40; }, codigo::Desbordamiento},
      {"lattice beyond a double", [](Estado& e) { e.BVec = 1e308; }, codigo::Desbordamiento},
      {"sum beyond a float", [](Estado& e) { e.DeltaRad = 0, e.AtomoF[1] = 1e36f; }, codigo::Desbordamiento},
      {"more atoms than slots", [](Estado& e) { e.NumAtomos = 5; }, codigo::FueraDeIntervalo},
  };
  for (const auto& c : casos) {
    Estado e = CeldaSencilla(90);
    e.DeltaRad = Radianes(20);
    e.Intensidad = 123;
    c.cambia(e);
    EXPECT_EQ(prueba::CodigoDe([&] { EvaluaIntensidad(e); }), c.codigo) << c.nombre;
    EXPECT_EQ(e.Intensidad, 123) << c.nombre << ": a failed evaluation stores nothing";
  }
}

}  // namespace
}  // namespace varlek
