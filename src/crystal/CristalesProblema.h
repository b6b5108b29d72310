#pragma once
// The five preset "problem" crystals that the program hides from the
// student, and the two messages shown around loading each one.

#include <cstdint>
#include <string>

#include "state/Estado.h"

namespace varlek {

struct AtomoProblema {
  double x;
  double y;
  float f;
};

struct CristalProblema {
  double AVec;
  double BVec;
  double Theta;            // radians
  std::int16_t NumAtomos;  // 1 or 2: the slots the preset writes
  AtomoProblema atomos[2];
};

// Preset n (1 to 5); any other n is error 9.
const CristalProblema& CristalProblemaN(int n);

// Loads preset n: problem mode on, then a, b, the angle, the number of
// atoms and the atom slots the preset uses. The other slots keep what they
// held.
void CargaCristalProblema(Estado& e, int n);

// The warning shown before loading preset n, and the confirmation after.
std::string AvisoCristalProblema(int n);
std::string ConfirmacionCristalProblema(int n);

}  // namespace varlek
