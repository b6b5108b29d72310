#include "scan/ModeloIntensidad.h"

#include <cmath>

#include "state/Angulos.h"
#include "state/ErrorVarlek.h"
#include "state/Numeros.h"

namespace varlek {

namespace {

// Half the side of the block of cells: cells -10 to 10 along each axis.
constexpr int kMitadBloque = 10;

}  // namespace

float CalculaIntensidad(const Estado& e) {
  const double phi = e.GiroCristal + e.DeltaMedio;
  const double phiB = e.GiroCristal + e.DeltaMedio + e.Theta;
  const double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
  const double cosPhiB = std::cos(phiB), sinPhiB = std::sin(phiB);
  const double cosDelta = std::cos(e.DeltaRad), sinDelta = std::sin(e.DeltaRad);

  double a = 0;
  double b = 0;
  for (int m = -kMitadBloque; m <= kMitadBloque; ++m) {
    for (int n = -kMitadBloque; n <= kMitadBloque; ++n) {
      for (int j = 1; j <= e.NumAtomos; ++j) {
        const double u = m * e.AVec + e.AVec * e.AtomoX[j];
        const double v = n * e.BVec + e.BVec * e.AtomoY[j];
        // Positions and paths are held as floats: that rounding is part of the result.
        const float posX = AFloat(cosPhi * u + cosPhiB * v);
        const float posY = AFloat(sinPhi * u + sinPhiB * v);
        const float delante = AFloat(posX + e.Distancia);
        const float camino = AFloat(delante - posX * cosDelta - posY * sinDelta);
        // Checked where the division is made: a position or path beyond the
        // float range fails first, and with no atoms nothing is divided by λ.
        if (e.LambdaX == 0) throw ErrorVarlek(codigo::DivisionPorCero);
        const double fase = camino * kGiroCompleto / e.LambdaX;
        a += e.AtomoF[j] * std::cos(fase);
        b += e.AtomoF[j] * std::sin(fase);
      }
    }
  }

  const double cos2Delta = cosDelta * cosDelta;
  const float total = AFloat(std::sqrt(a * a + b * b) * cos2Delta);
  if (e.NumAtomos == 0) throw ErrorVarlek(codigo::DivisionPorCero);
  return total / static_cast<float>(e.NumAtomos);
}

void EvaluaIntensidad(Estado& e) { e.Intensidad = CalculaIntensidad(e); }

}  // namespace varlek
