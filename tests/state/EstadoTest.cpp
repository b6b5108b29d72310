#include <gtest/gtest.h>

#include "apoyo/CodigoError.h"
#include "state/ErrorVarlek.h"
#include "state/Estado.h"

namespace varlek {
namespace {

Estado Lleno() {
  Estado e;
  e.AVec = 4.42;
  e.BVec = 5.55;
  e.Theta = 1.5708;
  e.NumAtomos = 4;
  for (int i = 1; i <= 4; ++i) {
    e.AtomoX[i] = 0.1 * i;
    e.AtomoY[i] = 0.2 * i;
    e.AtomoF[i] = 0.5f;
  }
  e.Problema = 1;
  e.LambdaX = 2;
  e.DeltaMin = 10;
  e.DeltaMax = 20;
  e.GiroCristal = 0.3;
  e.Espectro[7] = 3;
  e.RegistroY[8] = 4;
  e.IndiceH = 2;
  e.IndiceK = 3;
  e.Intensidad = 9;
  e.Distancia = 5;
  return e;
}

// The defaults as written down for the program, over whatever `e` held.
Estado ConValoresIniciales(Estado e) {
  e.Problema = 0;
  e.DeltaMin = 5;
  e.DeltaMax = 105;
  e.PasoDelta = 0.25;
  e.DeltaRad = 6.2832 * 5 / 360;
  e.DeltaMedio = 6.2832 * 5 / 360 / 2;
  e.GiroCristal = 0;
  e.LambdaX = 1.5418;
  e.Distancia = 1000;
  e.IndiceH = 0;
  e.IndiceK = 1;
  e.EspectroMin = 5;
  e.EspectroMax = 105;
  e.NumAtomos = 1;
  e.AtomoF.Rellena(1);
  return e;
}

TEST(Estado, DefaultsSetExactlyTheirVariables) {
  for (const Estado& antes : {Estado{}, Lleno()}) {
    Estado e = antes;
    AsignaValoresIniciales(e);
    EXPECT_TRUE(e == ConValoresIniciales(antes));
  }
  // What start-up leaves unset reads as zero or empty.
  Estado e;
  EXPECT_EQ(e.AVec, 0.0);
  EXPECT_EQ(e.Espectro, Espectro401{});
  EXPECT_TRUE(EstaVacio(e.EspectroCabecera));
}

TEST(Estado, IniciaCristalClearsOnlyTheLattice) {
  Estado e = Lleno();
  IniciaCristal(e);
  Estado esperado = Lleno();
  esperado.AVec = esperado.BVec = esperado.Theta = 0;
  esperado.AtomoX.Rellena(0);
  esperado.AtomoY.Rellena(0);
  EXPECT_TRUE(e == esperado);
}

TEST(Estado, TablesRefuseIndicesOutsideTheirRange) {
  Estado e;
  for (int i : {-1, 401}) {
    EXPECT_EQ(prueba::CodigoDe([&] { e.Espectro[i] = 1; }), 9) << i;
  }
  EXPECT_THROW(e.AtomoX[0], ErrorVarlek);
  EXPECT_THROW(e.AtomoF[5], ErrorVarlek);
  EXPECT_NO_THROW(e.Espectro[400] = 1);
}

TEST(TextoError, TableAndGenericMessages) {
  EXPECT_EQ(TextoError(52), "Error 52: nombre de fichero incorrecto");
  EXPECT_EQ(TextoError(53), "Error 53: ese fichero no existe");
  EXPECT_EQ(TextoError(64), "Error 64: nombre de fichero incorrecto");
  EXPECT_EQ(TextoError(71), "Error 71: no se puede acceder al disco");
  EXPECT_EQ(TextoError(75), "Error 75: camino de acceso incorrecto");
  EXPECT_EQ(TextoError(76), "Error 76: no se encuentra el camino de acceso ");
  EXPECT_EQ(TextoError(62), "Error  62: La entrada pasó del final del archivo");
  EXPECT_EQ(TextoError(11), "Error  11: División por cero");
  EXPECT_EQ(TextoError(9), "Error  9: El subíndice está fuera del intervalo");
  EXPECT_EQ(TextoError(6), "Error  6: Desbordamiento");
}

TEST(CodigoDeSistema, MissingFileAgainstMissingFolder) {
  EXPECT_EQ(CodigoDeSistema(ENOENT, "/tmp/no-existe-este-fichero.ASC"), 53);
  EXPECT_EQ(CodigoDeSistema(ENOENT, "/tmp/no-existe-esta-carpeta/f.ASC"), 76);
  EXPECT_EQ(CodigoDeSistema(ENOSPC, "/dev/full"), 61);
  EXPECT_EQ(CodigoDeSistema(EACCES, "/x"), 70);
}

}  // namespace
}  // namespace varlek
