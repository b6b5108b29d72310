#include "apoyo/Comun.h"
#include "apoyo/Impresion.h"
#include "state/ErrorVarlek.h"
#include "state/Estado.h"

namespace varlek {
namespace {

// Every variable the reset sets holds another value, and so do some that it
// keeps: the lattice, the coordinates, the spectrum.
Estado Lleno() {
  Estado e;
  e.AVec = 4.42, e.BVec = 5.55, e.Theta = 1.5708, e.NumAtomos = 4, e.Problema = 1, e.LambdaX = 2, e.DeltaMin = 10;
  e.DeltaMax = 20, e.DeltaRad = e.DeltaMedio = 1, e.GiroCristal = 0.3, e.Distancia = 5, e.IndiceH = 2, e.IndiceK = 3;
  e.Espectro[7] = 3, e.Intensidad = 9;
  for (int i = 1; i <= 4; ++i) e.AtomoX[i] = 0.1 * i, e.AtomoY[i] = 0.2 * i, e.AtomoF[i] = 0.5f;
  return e;
}

// The reset sets its own variables, whatever they held, and keeps every
// other; clearing the crystal clears only the lattice.
TEST(Estado, ResetAndClearingTheCrystalTouchOnlyTheirVariables) {
  Estado reiniciado = Lleno(), limpio;
  AsignaValoresIniciales(reiniciado);
  AsignaValoresIniciales(limpio);
  const Estado lleno = Lleno();
  limpio.AVec = lleno.AVec, limpio.BVec = lleno.BVec, limpio.Theta = lleno.Theta;
  limpio.AtomoX = lleno.AtomoX, limpio.AtomoY = lleno.AtomoY;
  limpio.Espectro = lleno.Espectro, limpio.Intensidad = lleno.Intensidad;
  EXPECT_EQ(reiniciado, limpio);
  EXPECT_EQ(limpio.DeltaMedio, limpio.DeltaRad / 2);

  Estado e = Lleno(), esperado = Lleno();
  IniciaCristal(e);
  esperado.AVec = esperado.BVec = esperado.Theta = 0;
  esperado.AtomoX.Rellena(0);
  esperado.AtomoY.Rellena(0);
  EXPECT_EQ(e, esperado);
}

// Own and generic messages; a system error's code (a missing file or folder
// is told apart on real files by the data-file tests).
TEST(TextoError, OwnAndGenericMessagesAndSystemErrors) {
  EXPECT_EQ(TextoError(76), "Error 76: no se encuentra el camino de acceso ");
  EXPECT_EQ(TextoError(62), "Error  62: La entrada pasó del final del archivo");
  EXPECT_EQ(CodigoDeSistema(ENOSPC, "/dev/full"), 61);
  EXPECT_EQ(CodigoDeSistema(EACCES, "/x"), 70);
}

}  // namespace
}  // namespace varlek
