#pragma once
// A family of lattice planes (h, k) of the two-dimensional crystal: the
// reciprocal vectors of the lattice, the length of the family's reciprocal
// vector, its spacing, and the red lines that the structure window draws for
// it.
//
// The lattice is the one the window draws: a along the x axis and b at the
// angle θ from it. The reciprocal vectors are a* = (1/a, −cos θ/(a sin θ))
// and b* = (0, 1/(b sin θ)), so that a*·a = b*·b = 1 and a*·b = b*·a = 0.

#include <cstdint>
#include <vector>

#include "state/Estado.h"

namespace varlek {

struct Reciprocos {
  double RecAX = 0, RecAY = 0, RecBX = 0, RecBY = 0;
};

// Throws ErrorVarlek 11 when a, b or sin θ is 0, and 6 when a component is
// beyond the range of a double.
Reciprocos CalculaReciprocos(double a, double b, double theta);

// The length of h·a* + k·b*. Throws ErrorVarlek 6 when it is beyond the range
// of a double.
double ModuloFamilia(const Reciprocos& r, std::int16_t h, std::int16_t k);

// The family (IndiceH, IndiceK) of the crystal in `e`: stores RecAX, RecAY,
// RecBX, RecBY, ModuloG and Espaciado (1/ModuloG as a float) and returns N,
// the integer part of 5·d01/Espaciado, where d01 is the spacing of the family
// (0, 1). The family's lines stand at 10·n·Espaciado for n from −N to N.
// Throws ErrorVarlek 11 for h = k = 0, a = 0 or sin θ = 0 (or b = 0), and 6
// when the spacing lies beyond the float range or N beyond the range of a
// 64-bit integer; what was computed before the failure stays stored.
std::int64_t CalculaFamilia(Estado& e);

// The heights of the family's lines (10·n·espaciado, n from −N to N) that
// lie between `abajo` and `arriba`. Lines closer together than `paso`
// (positive: the height of one pixel) would cover every step of their band,
// so the band is then given as one height per step from its lowest to its
// highest line: the same picture, at most (arriba − abajo)/paso + 1 lines.
std::vector<double> AlturasLineas(float espaciado, std::int64_t n, double abajo, double arriba, double paso);

}  // namespace varlek
