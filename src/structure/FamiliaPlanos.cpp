#include "structure/FamiliaPlanos.h"

#include <algorithm>
#include <cmath>

#include "state/ErrorVarlek.h"
#include "state/Numeros.h"

namespace varlek {

namespace {
// A quotient as the program's arithmetic fails: by zero is error 11, beyond
// the range of a double error 6.
double Divide(double x, double y) {
  if (y == 0) throw ErrorVarlek(codigo::DivisionPorCero);
  const double q = x / y;
  if (!std::isfinite(q)) throw ErrorVarlek(codigo::Desbordamiento);
  return q;
}

// Beyond this a count of lines is no 64-bit integer (2^63).
constexpr double kMayorCuenta = 9223372036854775808.0;
}  // namespace

Reciprocos CalculaReciprocos(double a, double b, double theta) {
  Reciprocos r;
  r.RecBX = 0;
  r.RecBY = Divide(1, b * std::sin(theta));
  r.RecAX = Divide(1, a);
  r.RecAY = -Divide(std::cos(theta), a * std::sin(theta));
  return r;
}

double ModuloFamilia(const Reciprocos& r, std::int16_t h, std::int16_t k) {
  const double gx = h * r.RecAX + k * r.RecBX;
  const double gy = h * r.RecAY + k * r.RecBY;
  const double modulo = std::sqrt(gx * gx + gy * gy);
  if (!std::isfinite(modulo)) throw ErrorVarlek(codigo::Desbordamiento);
  return modulo;
}

std::int64_t CalculaFamilia(Estado& e) {
  const Reciprocos r = CalculaReciprocos(e.AVec, e.BVec, e.Theta);
  e.RecAX = r.RecAX;
  e.RecAY = r.RecAY;
  e.RecBX = r.RecBX;
  e.RecBY = r.RecBY;
  e.ModuloG = ModuloFamilia(r, e.IndiceH, e.IndiceK);
  e.Espaciado = AFloat(Divide(1, e.ModuloG));
  const double d01 = 1 / ModuloFamilia(r, 0, 1);
  // A spacing that underflowed to 0 leaves more lines than any count holds.
  const double cuenta = e.Espaciado == 0 ? INFINITY : 5 * d01 / e.Espaciado;
  if (!(cuenta < kMayorCuenta)) throw ErrorVarlek(codigo::Desbordamiento);
  return static_cast<std::int64_t>(cuenta);
}

std::vector<double> AlturasLineas(float espaciado, std::int64_t n, double abajo, double arriba, double paso) {
  std::vector<double> alturas;
  const double separacion = 10.0 * static_cast<double>(espaciado);
  const double extremo = static_cast<double>(n) * separacion;  // the outermost lines
  if (separacion < paso) {
    const double desde = std::max(abajo, -extremo), hasta = std::min(arriba, extremo);
    if (desde > hasta) return alturas;
    const auto pasos = static_cast<std::int64_t>((hasta - desde) / paso);
    for (std::int64_t i = 0; i <= pasos; ++i) alturas.push_back(desde + static_cast<double>(i) * paso);
    if (alturas.back() < hasta) alturas.push_back(hasta);
    return alturas;
  }
  // Here |abajo| / separacion and |arriba| / separacion are small, and one
  // line more on each side absorbs the rounding of the quotients.
  const std::int64_t primera = std::max(-n, static_cast<std::int64_t>(std::ceil(abajo / separacion)) - 1);
  const std::int64_t ultima = std::min(n, static_cast<std::int64_t>(std::floor(arriba / separacion)) + 1);
  for (std::int64_t m = primera; m <= ultima; ++m) {
    const double y = static_cast<double>(m) * separacion;
    if (y >= abajo && y <= arriba) alturas.push_back(y);
  }
  return alturas;
}

}  // namespace varlek
