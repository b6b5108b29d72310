#include <gtest/gtest.h>

#include "apoyo/Impresion.h"
#include "files/Registros.h"

namespace varlek {
namespace {

Estado ConPantalla() {
  Estado e;
  AsignaValoresIniciales(e);
  for (int i = 0; i <= 400; ++i) e.Espectro[i] = static_cast<float>(i) / 2;
  e.EspectroCabecera = std::string("pantalla");
  return e;
}

// Each register keeps its own copy of the screen: range, header and points,
// and nothing of the other two.
TEST(Registros, CopyInKeepsTheScreenInThatRegisterOnly) {
  for (const char letra : {'X', 'Y', 'Z'}) {
    Estado e = ConPantalla();
    Estado esperado = e;
    CopiaEnRegistro(e, letra);
    const Registro r = RegistroDe(esperado, letra);
    r.puntos = e.Espectro, r.cabecera = e.EspectroCabecera, r.minimo = 5, r.maximo = 105;
    EXPECT_EQ(e, esperado) << letra;
    EXPECT_TRUE(MismoRango(e, letra)) << letra;
    const DatosEspectro d = DatosDeRegistro(e, letra);
    EXPECT_EQ(d.minimo, 5);
    EXPECT_EQ(d.puntos, e.Espectro);
  }
}

// A register of another range replaces the screen's range and points; the
// screen keeps its header. A range that differs by a float's rounding differs.
TEST(Registros, AnotherRangeReplacesTheScreenButNotItsHeader) {
  Estado e = ConPantalla();
  CopiaEnRegistro(e, 'Y');
  e.EspectroMax = 105.00001f;
  EXPECT_FALSE(MismoRango(e, 'Y'));
  e.RegistroYMin = 20;
  e.RegistroY.Rellena(3);
  ReemplazaPantalla(e, 'Y');
  EXPECT_EQ(e.EspectroMin, 20);
  EXPECT_EQ(e.EspectroMax, 105.0f);
  EXPECT_EQ(e.Espectro, e.RegistroY);
  EXPECT_EQ(e.EspectroCabecera, Valor(std::string("pantalla")));
  EXPECT_TRUE(MismoRango(e, 'Y'));
}

}  // namespace
}  // namespace varlek
