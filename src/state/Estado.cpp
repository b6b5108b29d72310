#include "state/Estado.h"

#include "state/Angulos.h"

namespace varlek {

void AsignaValoresIniciales(Estado& e) {
  e.Problema = 0;
  e.DeltaMin = 5;
  e.DeltaMax = 105;
  e.PasoDelta = (e.DeltaMax - e.DeltaMin) / 400;
  e.DeltaRad = ARadianes(e.DeltaMin);
  e.DeltaMedio = e.DeltaRad / 2;
  e.GiroCristal = 0;
  e.LambdaX = 1.5418;
  e.Distancia = 1000;
  e.IndiceH = 0;
  e.IndiceK = 1;
  e.EspectroMin = e.DeltaMin;
  e.EspectroMax = static_cast<float>(e.DeltaMax);
  e.NumAtomos = 1;
  for (int i = 1; i <= 4; ++i) e.AtomoF[i] = 1.0f;
}

void IniciaCristal(Estado& e) {
  e.AVec = 0;
  e.BVec = 0;
  e.Theta = 0;
  for (int i = 1; i <= 4; ++i) {
    e.AtomoX[i] = 0;
    e.AtomoY[i] = 0;
  }
}

}  // namespace varlek
