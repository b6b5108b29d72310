#pragma once
// The arithmetic of a scan step: where a point goes, how the angle advances
// and when the scan is over.

#include "state/Estado.h"

namespace varlek {

// The slot of the point at the current angle: the nearest whole number of
// steps taken since DeltaMin. Throws ErrorVarlek 9 when it lies outside
// 0 to 400, and 11 when the step is zero.
int RanuraActual(const Estado& e);

// Advances DeltaRad by one step. Returns true when the angle has passed
// DeltaMax (with a tolerance of a small fraction of a step, so the point at
// DeltaMax itself is always computed), or when the step is too small to
// move the angle at all; the angle is then rewound to the start of the
// current limits, 6.2832·DeltaMin/360.
bool AvanzaAngulo(Estado& e);

// The limits as the limits dialog stores them (DeltaMax, DeltaMin,
// PasoDelta, EspectroMin, EspectroMax), with the angle rewound to the new
// start (DeltaRad, DeltaMedio). Throws ErrorVarlek 6, changing nothing,
// when deltaMax lies beyond the range of a float.
void FijaLimites(Estado& e, double deltaMin, double deltaMax);

// The start of a scan step: the crystal turns to half the scattering angle
// (DeltaMedio from DeltaRad).
void IniciaPaso(Estado& e);

// The computing part of a scan step after IniciaPaso, the same for the
// window and the command-line companion: the intensity, and the point stored
// at its slot. Returns the slot.
int CalculaPunto(Estado& e);

// A whole scan from the current angle to its end, as the timer would run
// it, without drawing.
void CompletaBarrido(Estado& e);

// The grey level of the detector mark that a step leaves for its point:
// 255 (white) for 0 and below, one level darker every 1.4 plot units, 0
// (black) from 357 up.
int GrisMarca(float intensidad);

}  // namespace varlek
