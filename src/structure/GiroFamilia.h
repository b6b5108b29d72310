#pragma once
// Turning the crystal so that a family of planes lies horizontal.

#include <optional>

#include "state/Estado.h"

namespace varlek {

// The absolute rotation 3.1416 − arctan(s/c) for the cosine c and the signed
// sine s of the angle between the family's reciprocal vector and that of the
// family (0, 1). For c = 0 it is the limit, 3.1416 − 1.5708 for s > 0 and
// 3.1416 + 1.5708 for s < 0; nothing when c or s is not a finite number.
std::optional<double> AnguloDeGiro(double c, double s);

// "Girar el cristal": stores the reciprocal vectors and ModuloG of the family
// (IndiceH, IndiceK) and sets GiroCristal to the rotation that brings its
// planes to the horizontal. Returns false, with GiroCristal as it was, when
// the rotation has no value: a, b or sin θ is 0, h = k = 0, or the
// arithmetic leaves the range of a double.
bool GiraHaciaFamilia(Estado& e);

}  // namespace varlek
