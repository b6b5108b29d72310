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

TEST(Estado, StartUpDefaults) {
  Estado e;
  AsignaValoresIniciales(e);
  EXPECT_EQ(e.Problema, 0);
  EXPECT_EQ(e.DeltaMin, 5.0);
  EXPECT_EQ(e.DeltaMax, 105.0);
  EXPECT_EQ(e.PasoDelta, 0.25);
  EXPECT_EQ(e.DeltaRad, 6.2832 * 5 / 360);
  EXPECT_EQ(e.DeltaMedio, 6.2832 * 5 / 360 / 2);
  EXPECT_EQ(e.GiroCristal, 0.0);
  EXPECT_EQ(e.LambdaX, 1.5418);
  EXPECT_EQ(e.Distancia, 1000.0);
  EXPECT_EQ(e.IndiceH, 0);
  EXPECT_EQ(e.IndiceK, 1);
  EXPECT_EQ(e.EspectroMin, 5.0);
  EXPECT_EQ(e.EspectroMax, 105.0f);
  EXPECT_EQ(e.NumAtomos, 1);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(e.AtomoF[i], 1.0f);
  // What start-up leaves unset reads as zero or empty.
  EXPECT_EQ(e.AVec, 0.0);
  EXPECT_EQ(e.Theta, 0.0);
  EXPECT_EQ(e.Espectro, Espectro401{});
  EXPECT_TRUE(EstaVacio(e.EspectroCabecera));
  EXPECT_TRUE(e.NombreFichero.empty());
  EXPECT_EQ(e.RespuestaAviso, 0);
}

TEST(Estado, ResetKeepsTheLatticeAndWhatItDoesNotName) {
  Estado e = Lleno();
  AsignaValoresIniciales(e);
  EXPECT_EQ(e.AVec, 4.42);
  EXPECT_EQ(e.BVec, 5.55);
  EXPECT_EQ(e.Theta, 1.5708);
  EXPECT_EQ(e.AtomoX[4], 0.1 * 4);
  EXPECT_EQ(e.AtomoY[3], 0.2 * 3);
  EXPECT_EQ(e.NumAtomos, 1);
  EXPECT_EQ(e.AtomoF[4], 1.0f);
  EXPECT_EQ(e.Problema, 0);
  EXPECT_EQ(e.Espectro[7], 3.0f);
  EXPECT_EQ(e.RegistroY[8], 4.0f);
  EXPECT_EQ(e.Intensidad, 9.0f);
  EXPECT_EQ(e.Distancia, 1000.0);
}

TEST(Estado, IniciaCristalClearsOnlyTheLattice) {
  Estado e = Lleno();
  IniciaCristal(e);
  EXPECT_EQ(e.AVec, 0.0);
  EXPECT_EQ(e.BVec, 0.0);
  EXPECT_EQ(e.Theta, 0.0);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(e.AtomoX[i], 0.0);
    EXPECT_EQ(e.AtomoY[i], 0.0);
    EXPECT_EQ(e.AtomoF[i], 0.5f);
  }
  EXPECT_EQ(e.NumAtomos, 4);
  EXPECT_EQ(e.Problema, 1);
  EXPECT_EQ(e.LambdaX, 2.0);
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
