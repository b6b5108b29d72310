#pragma once
// The diffractogram a laboratory powder diffractometer would record from a
// list of lines: pseudo-Voigt peaks whose width follows Caglioti's law,
// integrated over each 0.25° bin of the 401 points, scaled so the strongest
// peak reaches about 400, over a small background, with counting noise from
// a seed when one is given.

#include <cstdint>
#include <optional>
#include <vector>

#include "spectrum/ReflexionesPolvo.h"
#include "state/Estado.h"

namespace varlek {

struct OpcionesPerfil {
  double inicio = 5;   // 2θ of point 0, degrees
  double paso = 0.25;  // degrees between points
  // Caglioti: FWHM² = U tan² θ + V tan θ + W (degrees²).
  double U = 0.06, V = -0.02, W = 0.16;
  double eta = 0.5;                      // Lorentzian fraction of the pseudo-Voigt
  double altura = 400;                   // the highest point of the peaks, plot units
  double cuentas = 20;                   // counts per plot unit, for the noise
  std::optional<std::uint32_t> semilla;  // no noise without one
};

// The full width at half maximum at 2θ, degrees.
double AnchoCaglioti(double dosTheta, const OpcionesPerfil& o);

// The background at 2θ, plot units.
double FondoPolvo(double dosTheta);

// The 401 points. Throws ErrorEstructura when no line reaches the points.
Espectro401 PerfilPolvo(const std::vector<LineaPolvo>& lineas, const OpcionesPerfil& o);

}  // namespace varlek
