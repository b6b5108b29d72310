#pragma once
// Where and in which colour the structure window draws each atom.

#include <optional>

#include "state/Estado.h"

namespace varlek {

// The palette entry of an atom of factor f: 9 + n/10 (truncated toward
// zero), n the whole number nearest to (1 − f)·100, so 1 gives 9 (light
// blue) and 0.4 gives 15 (white). Beyond the palette the entry is held at
// 0 or 15: every atom has a colour.
int IndiceColor(float factor);

struct Centro {
  double x = 0, y = 0;
};

// The centre of atom k of cell (i, j), 10 units per ångström: lattice vector
// a at the angle GiroCristal and b at GiroCristal + Theta. Nothing when the
// position is not a finite number.
std::optional<Centro> CentroAtomo(const Estado& e, int i, int j, int k);

}  // namespace varlek
