#pragma once
// Degrees and radians as the program converts them: a full turn is written
// 6.2832, never the exact value. (x·6.2832/360 and x·3.1416/180 give the
// same bits, so either form of a conversion may be replaced by these.)

namespace varlek {

// A full turn and half a turn, as the program writes them.
inline constexpr double kGiroCompleto = 6.2832;
inline constexpr double kMedioGiro = 3.1416;

constexpr double ARadianes(double grados) { return grados * kGiroCompleto / 360; }
constexpr double AGrados(double radianes) { return radianes * 360 / kGiroCompleto; }

}  // namespace varlek
