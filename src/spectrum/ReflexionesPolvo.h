#pragma once
// The lines of a powder diffractogram from a crystal structure given as a
// CIF file (cell, space group, atom sites with occupancies and isotropic
// displacement): every reflection within the angular range, |F|² from the
// atomic form factors with their Debye–Waller factors, reflections of equal
// spacing gathered into one line, and the Lorentz–polarisation factor.

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace varlek {

// A structure that cannot be used, with a message for the person who gave it.
class ErrorEstructura : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct LineaPolvo {
  double d = 0;         // spacing, Å
  double dosTheta = 0;  // degrees
  int multiplicidad = 0;
  double f2 = 0;          // |F|² of one reflection of the line, electrons²
  double intensidad = 0;  // integrated: multiplicity · |F|² · Lorentz–polarisation
  // One hkl for each form of equivalent reflections the line gathers (the
  // largest of the form), largest first.
  std::vector<std::array<int, 3>> indices;
};

struct CristalPolvo {
  std::string nombre;  // the CIF block's name
  std::string grupo;   // the space group's Hermann–Mauguin symbol
  int atomosCelda = 0;
  std::vector<LineaPolvo> lineas;  // by increasing angle
};

// Reads the first data block of `textoCif` that has atom sites and lists the
// lines with 2θ between `desde` and `hasta` degrees at the wavelength
// `lambda` (Å). Lines whose structure factor vanishes are left out. Throws
// ErrorEstructura with a Spanish message.
CristalPolvo LineasDeCif(std::string_view textoCif, double lambda, double desde, double hasta);

// The Lorentz–polarisation factor (1 + cos² 2θ) / (sin² θ · cos θ).
double LorentzPolarizacion(double dosThetaGrados);

}  // namespace varlek
