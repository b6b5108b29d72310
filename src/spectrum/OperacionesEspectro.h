#pragma once
// Operations on the 401 points of a spectrum.

#include "state/Estado.h"

namespace varlek {

// One smoothing pass in place, in increasing order (the points before i
// already hold their smoothed values): windows of 3, 4, 5…5, 4, 3 points,
// sums and division in double, stored as float.
void Suaviza(Espectro401& puntos);

// Every point times the factor, as 32-bit floats. A product beyond the
// float range is ErrorVarlek 6 and leaves the points unchanged.
void Multiplica(Espectro401& puntos, float factor);

// Adds the register point by point (as 32-bit floats). A sum beyond the
// float range is ErrorVarlek 6 and leaves the points unchanged.
void SumaRegistro(Espectro401& puntos, const Espectro401& registro);

}  // namespace varlek
