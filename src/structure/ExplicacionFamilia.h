#pragma once
// What a family of planes means for the scan, in one sentence for the family
// button's tooltip: its spacing and the scattering angle of its first-order
// peak at the current wavelength.

#include <string>

#include "state/Estado.h"

namespace varlek {

// For the family (IndiceH, IndiceK) of the crystal in `e` at LambdaX:
// "Espaciado d = 2.828427 Å; primer orden a 2θ = 31.63°" (d as the float the
// window draws, 2θ in degrees to the hundredth), or that the family does not
// diffract (λ/2d above 1, or a wavelength that is not positive), or that it
// has no spacing (h = k = 0, a, b or sin θ zero, a spacing beyond the float
// range). Changes nothing in `e`.
std::string ExplicaFamilia(const Estado& e);

}  // namespace varlek
