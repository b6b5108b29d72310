#pragma once
// The intensity that a block of 21 × 21 cells of the crystal diffracts
// towards the detector at the current scattering angle.

#include "state/Estado.h"

namespace varlek {

// Evaluates the intensity at the current state (DeltaRad, DeltaMedio,
// GiroCristal, the crystal, LambdaX, Distancia) and stores it in
// Intensidad. Throws ErrorVarlek 11 (LambdaX or NumAtomos zero) or 6 (a
// position, path or result beyond the range of a float).
void EvaluaIntensidad(Estado& e);

// The same evaluation as a value, leaving the state untouched.
float CalculaIntensidad(const Estado& e);

}  // namespace varlek
