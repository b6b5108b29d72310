#pragma once
// The crystal the tests scan: a = 4, b = 5 at 90°, one atom at the origin.
// With the default wavelength its peaks stand near 17.75°, 36° and 55°.

#include "state/Angulos.h"
#include "state/Estado.h"

namespace varlek::prueba {

inline void CristalDePrueba(Estado& e, double thetaGrados = 90) {
  e.AVec = 4;
  e.BVec = 5;
  e.Theta = ARadianes(thetaGrados);
}

}  // namespace varlek::prueba
