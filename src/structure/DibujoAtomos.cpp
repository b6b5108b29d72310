#include "structure/DibujoAtomos.h"

#include <algorithm>
#include <cmath>

namespace varlek {

int IndiceColor(float factor) {
  const double n = std::nearbyint((1.0 - static_cast<double>(factor)) * 100.0);
  const double indice = 9 + std::trunc(n / 10);
  return static_cast<int>(std::clamp(indice, 0.0, 15.0));
}

std::optional<Centro> CentroAtomo(const Estado& e, int i, int j, int k) {
  const double phi = e.GiroCristal;
  const double u = i + e.AtomoX[k];
  const double v = j + e.AtomoY[k];
  const Centro c{10 * (e.AVec * u * std::cos(phi) + e.BVec * v * std::cos(phi + e.Theta)),
                 10 * (e.AVec * u * std::sin(phi) + e.BVec * v * std::sin(phi + e.Theta))};
  if (!std::isfinite(c.x) || !std::isfinite(c.y)) return std::nullopt;
  return c;
}

}  // namespace varlek
