#pragma once
// The measures of the diffractometer schematic, in its user coordinates
// (x from -500 to 500, y from -30 at the bottom to 470 at the top, the
// crystal at the origin).

namespace varlek::esquema {

inline constexpr double kRadioDetector = 380;     // the detector circle, and the beam axis's end
inline constexpr double kRadioGraduacion = 400;   // the outer end of the graduation strokes
inline constexpr double kRadioHaz = 365;          // the diffracted beam's length
inline constexpr double kRadioMarca = 370;        // a detector mark runs from here...
inline constexpr double kRadioMarcaFin = 377;     // ...to here, just inside the circle
inline constexpr double kFuenteIzquierda = -460;  // the source: a box from x = -460
inline constexpr double kFuenteDerecha = -400;    // to x = -400, where the beam axis starts
inline constexpr double kFuenteMitadAlto = 20;    // and from y = -20 to 20
inline constexpr double kMitadCristal = 15;       // the crystal: a square of side 30

}  // namespace varlek::esquema
