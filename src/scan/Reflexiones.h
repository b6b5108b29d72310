#pragma once
// The reflections a scan can show. In the θ–2θ geometry the crystal turns
// with half the detector's angle, so the scattering vector keeps one
// direction in the crystal's frame: perpendicular to a when the crystal is
// not turned, turned back by GiroCristal otherwise. Only the reciprocal
// lattice points on that line reflect, each at the angle of its spacing.

#include <stdexcept>
#include <string>
#include <vector>

#include "state/Estado.h"

namespace varlek {

// A crystal and wavelength that cannot give a diffractogram, with a message
// for the person who gave them.
class ErrorCristal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Reflexion {
  int h = 0, k = 0;
  double d = 0;         // spacing, in the unit of the lattice parameters
  double dosTheta = 0;  // degrees
  // |F(h,k)| / |F(0,0)|: the structure factor of the cell's atoms relative
  // to its value at 2θ = 0; 0 for an extinction.
  double modulo = 0;
};

// The reflections of the crystal in the state (AVec, BVec, Theta, the atoms,
// GiroCristal) at the wavelength LambdaX whose 2θ lies within DeltaMin to
// DeltaMax, by increasing angle. Throws ErrorCristal for a lattice or a
// wavelength that is not positive, a cell with no area, atoms whose factors
// add up to nothing, or when no reflection falls within the range.
std::vector<Reflexion> ReflexionesBarrido(const Estado& e);

// The list as text: a line with the crystal and the range, a line of column
// names, then "(h,k)", d, 2θ and the relative modulus of each reflection.
std::string TextoReflexiones(const Estado& e, const std::vector<Reflexion>& reflexiones);

}  // namespace varlek
