#pragma once
// Where a spectrum's points stand on the plot, and the texts of the plot's
// axis labels and of the cursor readout.

#include <array>
#include <string>

namespace varlek {

// The horizontal plot coordinate (0 to 100) of point i (0 to 400).
constexpr double XDeRanura(int i) { return i / 4.0; }

// True when a start angle is worked in 32-bit float arithmetic: it holds a
// 16-bit whole number or a value a float carries exactly (as after the
// defaults); any other number is worked in double arithmetic.
bool AnguloDeFloat(double espectroMin);

// The angle labels under x = 0, 10, … 100: the number
// min + k·(max − min)/10, cut to its first five characters.
std::array<std::string, 11> EtiquetasAngulo(double espectroMin, float espectroMax);

// The intensity labels from top to bottom: 100, 80, … 0.
std::array<std::string, 6> EtiquetasIntensidad();

// The angle under a horizontal plot coordinate x (0 to 100).
std::string TextoAnguloEn(double espectroMin, float espectroMax, float x);

}  // namespace varlek
