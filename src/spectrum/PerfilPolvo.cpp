#include "spectrum/PerfilPolvo.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "state/Angulos.h"

namespace varlek {
namespace {

// The share of a unit-area pseudo-Voigt of width `ancho` centred at 0 that
// lies below x.
double Acumulada(double x, double ancho, double eta) {
  const double lorentz = 0.5 + std::atan(2 * x / ancho) / kMedioGiro;
  const double gauss = 0.5 + 0.5 * std::erf(2 * std::sqrt(std::log(2.0)) * x / ancho);
  return eta * lorentz + (1 - eta) * gauss;
}

}  // namespace

double AnchoCaglioti(double dosTheta, const OpcionesPerfil& o) {
  const double t = std::tan(ARadianes(dosTheta) / 2);
  return std::sqrt(std::max(o.U * t * t + o.V * t + o.W, 1e-4));
}

double FondoPolvo(double dosTheta) { return 3 + 6 * std::exp(-(dosTheta - 5) / 20); }

Espectro401 PerfilPolvo(const std::vector<LineaPolvo>& lineas, const OpcionesPerfil& o) {
  // Each point is the mean of the peaks over its bin, so a peak narrower than
  // the step still counts whole in the point it falls on.
  double picos[401] = {};
  for (const LineaPolvo& linea : lineas) {
    const double ancho = AnchoCaglioti(linea.dosTheta, o);
    for (int i = 0; i <= 400; ++i) {
      const double centro = o.inicio + i * o.paso - linea.dosTheta;
      picos[i] += linea.intensidad *
                  (Acumulada(centro + o.paso / 2, ancho, o.eta) - Acumulada(centro - o.paso / 2, ancho, o.eta)) /
                  o.paso;
    }
  }
  const double maximo = *std::max_element(std::begin(picos), std::end(picos));
  if (!(maximo > 0)) throw ErrorEstructura("ninguna línea de difracción cae entre 5° y 105°");

  std::mt19937 azar(o.semilla.value_or(0));
  Espectro401 puntos;
  for (int i = 0; i <= 400; ++i) {
    double v = picos[i] * o.altura / maximo + FondoPolvo(o.inicio + i * o.paso);
    if (o.semilla) v = std::poisson_distribution<long>(v * o.cuentas)(azar) / o.cuentas;
    puntos[i] = static_cast<float>(v);
  }
  return puntos;
}

}  // namespace varlek
