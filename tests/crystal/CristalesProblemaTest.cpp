#include <gtest/gtest.h>

#include "apoyo/CodigoError.h"
#include "crystal/CristalesProblema.h"
#include "state/ErrorVarlek.h"
#include "state/Estado.h"

namespace varlek {
namespace {

// A four-atom crystal and a changed scan, so that every slot and value a
// preset must not touch holds something recognisable.
Estado EstadoPrevio() {
  Estado e;
  AsignaValoresIniciales(e);
  e.AVec = 9;
  e.BVec = 8;
  e.Theta = 0.7;
  e.NumAtomos = 4;
  for (int i = 1; i <= 4; ++i) {
    e.AtomoX[i] = 0.1 * i;
    e.AtomoY[i] = 0.2 * i;
    e.AtomoF[i] = 0.3f * static_cast<float>(i);
  }
  e.LambdaX = 2.29;
  e.DeltaRad = 0.5;
  e.IndiceH = 2;
  return e;
}

TEST(CristalesProblema, CadaPresetCargaSusValoresYSoloSusAtomos) {
  struct Caso {
    double a, b, theta;
    int atomos;
    double x2, y2;
  };
  const Caso casos[] = {
      {4.42, 4.42, 3.1416 / 2, 1, 0, 0}, {3.65, 3.65, 3.1416 / 3, 1, 0, 0}, {4.42, 5.55, 3.1416 / 2, 1, 0, 0},
      {7.5, 7.5, 3.1416 / 2, 2, 0.5, 0}, {6, 6, 3.1416 / 2, 2, 0.25, 0.25},
  };
  for (int n = 1; n <= 5; ++n) {
    SCOPED_TRACE(n);
    const Caso& c = casos[n - 1];
    const Estado previo = EstadoPrevio();
    Estado e = previo;
    CargaCristalProblema(e, n);
    EXPECT_EQ(e.Problema, 1);
    EXPECT_EQ(e.AVec, c.a);
    EXPECT_EQ(e.BVec, c.b);
    EXPECT_EQ(e.Theta, c.theta);
    EXPECT_EQ(e.NumAtomos, c.atomos);
    EXPECT_EQ(e.AtomoX[1], 0);
    EXPECT_EQ(e.AtomoY[1], 0);
    EXPECT_EQ(e.AtomoF[1], 1.0f);
    if (c.atomos == 2) {
      EXPECT_EQ(e.AtomoX[2], c.x2);
      EXPECT_EQ(e.AtomoY[2], c.y2);
      EXPECT_EQ(e.AtomoF[2], 1.0f);
    }
    for (int i = c.atomos + 1; i <= 4; ++i) {
      EXPECT_EQ(e.AtomoX[i], previo.AtomoX[i]) << i;
      EXPECT_EQ(e.AtomoY[i], previo.AtomoY[i]) << i;
      EXPECT_EQ(e.AtomoF[i], previo.AtomoF[i]) << i;
    }
    EXPECT_EQ(e.LambdaX, previo.LambdaX);
    EXPECT_EQ(e.DeltaRad, previo.DeltaRad);
    EXPECT_EQ(e.IndiceH, previo.IndiceH);
  }
}

TEST(CristalesProblema, MensajesExactos) {
  EXPECT_EQ(AvisoCristalProblema(1),
            "Al cargar los parámetros del cristal problema, el programa impide su visualización. Seleccionar la "
            "opción 'Cerrar problema', del menú 'Cristal', para volver a la situación normal");
  for (int n = 2; n <= 5; ++n) {
    EXPECT_EQ(AvisoCristalProblema(n),
              "Al cargar los parámetros del cristal problema, el programa impide su visualización. Pulsar 'Cerrar "
              "problema' para volver a la situación normal");
  }
  const char* confirmaciones[] = {"Parámetros del Cristal 1  cargados", "Parámetros del Cristal 2  cargados",
                                  "Parámetros del Cristal 3  cargados", "Parámetros del Cristal 4  cargados",
                                  "Parámetros del Cristal 5  cargados"};
  for (int n = 1; n <= 5; ++n) EXPECT_EQ(ConfirmacionCristalProblema(n), confirmaciones[n - 1]);
}

TEST(CristalesProblema, SoloHayCincoPresets) {
  for (int n : {0, 6, -1}) {
    Estado e = EstadoPrevio();
    EXPECT_EQ(prueba::CodigoDe([&] { CargaCristalProblema(e, n); }), codigo::FueraDeIntervalo) << n;
    EXPECT_EQ(e.Problema, 0);
    EXPECT_THROW(AvisoCristalProblema(n), ErrorVarlek);
    EXPECT_THROW(ConfirmacionCristalProblema(n), ErrorVarlek);
  }
}

}  // namespace
}  // namespace varlek
