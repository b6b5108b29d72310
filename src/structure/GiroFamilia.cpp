#include "structure/GiroFamilia.h"

#include <cmath>

#include "state/Angulos.h"
#include "state/ErrorVarlek.h"
#include "structure/FamiliaPlanos.h"

namespace varlek {

std::optional<double> AnguloDeGiro(double c, double s) {
  if (!std::isfinite(c) || !std::isfinite(s)) return std::nullopt;
  if (c == 0) return s > 0 ? kMedioGiro - kMedioGiro / 2 : kMedioGiro + kMedioGiro / 2;
  const double giro = kMedioGiro - std::atan(s / c);
  if (!std::isfinite(giro)) return std::nullopt;
  return giro;
}

bool GiraHaciaFamilia(Estado& e) {
  Reciprocos r;
  try {
    r = CalculaReciprocos(e.AVec, e.BVec, e.Theta);
    e.RecAX = r.RecAX;
    e.RecAY = r.RecAY;
    e.RecBX = r.RecBX;
    e.RecBY = r.RecBY;
    e.ModuloG = ModuloFamilia(r, e.IndiceH, e.IndiceK);
  } catch (const ErrorVarlek&) {
    return false;
  }
  if (e.ModuloG == 0) return false;
  const double h = e.IndiceH, k = e.IndiceK;
  const double gx = h * r.RecAX + k * r.RecBX;
  const double gy = h * r.RecAY + k * r.RecBY;
  const double g01 = std::sqrt(r.RecBX * r.RecBX + r.RecBY * r.RecBY);
  // The cosine and the signed sine of the angle from the reciprocal vector of
  // (0, 1) to that of (h, k): scalar and cross product over the lengths.
  const double c = (r.RecBX * gx + r.RecBY * gy) / (g01 * e.ModuloG);
  const double s = (r.RecBX * gy - r.RecBY * gx) / (g01 * e.ModuloG);
  const std::optional<double> giro = AnguloDeGiro(c, s);
  if (!giro) return false;
  e.GiroCristal = *giro;
  return true;
}

}  // namespace varlek
