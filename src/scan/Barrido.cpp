#include "scan/Barrido.h"

#include <algorithm>
#include <cmath>

#include "scan/ModeloIntensidad.h"
#include "state/Angulos.h"
#include "state/ErrorVarlek.h"
#include "state/Numeros.h"

namespace varlek {

namespace {

// The angle is a sum of many increments, so it may pass DeltaMax by a
// rounding error at the step that should compute the point at DeltaMax.
constexpr double kToleranciaFinal = 1e-3;  // fraction of a step

}  // namespace

int RanuraActual(const Estado& e) {
  const double paso = ARadianes(e.PasoDelta);
  if (paso == 0) throw ErrorVarlek(codigo::DivisionPorCero);
  const double pasos = (e.DeltaRad - ARadianes(e.DeltaMin)) / paso;
  // Nearest, not truncated: the accumulated angle may fall a hair short of
  // the steps actually taken.
  const double ranura = std::floor(pasos + 0.5);
  if (!(ranura >= Espectro401::Primero && ranura <= Espectro401::Ultimo)) throw ErrorVarlek(codigo::FueraDeIntervalo);
  return static_cast<int>(ranura);
}

bool AvanzaAngulo(Estado& e) {
  const double anterior = e.DeltaRad;
  e.DeltaRad = e.DeltaRad + ARadianes(e.PasoDelta);
  const double alfa = AGrados(e.DeltaRad);
  // A step too small to move the angle would never end the scan.
  const bool terminado = alfa > e.DeltaMax + kToleranciaFinal * std::fabs(e.PasoDelta) || e.DeltaRad == anterior;
  if (terminado) e.DeltaRad = ARadianes(e.DeltaMin);
  return terminado;
}

void FijaLimites(Estado& e, double deltaMin, double deltaMax) {
  const float espectroMax = AFloat(deltaMax);  // before any change: a failure leaves the limits as they were
  e.DeltaMax = deltaMax;
  e.DeltaMin = deltaMin;
  e.PasoDelta = (e.DeltaMax - e.DeltaMin) / 400;
  e.EspectroMin = e.DeltaMin;
  e.EspectroMax = espectroMax;
  e.DeltaRad = ARadianes(e.DeltaMin);
  e.DeltaMedio = e.DeltaRad / 2;
}

void IniciaPaso(Estado& e) { e.DeltaMedio = e.DeltaRad / 2; }

int CalculaPunto(Estado& e) {
  EvaluaIntensidad(e);
  const int ranura = RanuraActual(e);
  e.Espectro[ranura] = e.Intensidad;
  return ranura;
}

void CompletaBarrido(Estado& e) {
  do {
    IniciaPaso(e);
    CalculaPunto(e);
  } while (!AvanzaAngulo(e));
}

int GrisMarca(float intensidad) {
  const double nivel = std::floor(intensidad / 1.4);
  // Not a number counts as beyond black, as in the powder ring.
  if (!(nivel < 255)) return 0;
  return 255 - static_cast<int>(std::max(nivel, 0.0));
}

}  // namespace varlek
