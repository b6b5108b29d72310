#include <QLineEdit>

#include "PruebaDialogo.h"
#include "scan/Lambda.h"
#include "scan/Limites.h"

namespace varlek::prueba {
namespace {

using LambdaTest = PruebaDialogo;
using LimitesTest = PruebaDialogo;

TEST_F(LambdaTest, MuestraLaLongitudDeOndaYGuardaLoLeido) {
  const std::pair<QString, double> casos[] = {{"1,5418", 1}, {"0.7107", 0.7107}, {"", 0}, {"2D-1", 0.2}};
  for (const auto& [texto, esperado] : casos) {
    estado.LambdaX = 1.5418;
    Lambda dialogo(estado, &principal);
    EXPECT_EQ(Lee(dialogo, "Text1"), " 1.5418");
    dialogo.show();
    Escribe(dialogo, "Text1", texto);
    Pulsa(dialogo, "Command1");
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(estado.LambdaX, esperado) << texto.toStdString();
  }
}

TEST_F(LambdaTest, CancelarYElMarcoNoCambianNada) {
  for (bool porElMarco : {false, true}) {
    Lambda dialogo(estado, &principal);
    dialogo.show();
    Escribe(dialogo, "Text1", "3");
    if (porElMarco) {
      dialogo.close();
    } else {
      Pulsa(dialogo, "Command2");
    }
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(estado.LambdaX, 1.5418);
  }
}

// Values that the limits must leave alone, all away from their defaults.
void CambiaLoAjeno(Estado& e) {
  e.LambdaX = 2.29;
  e.NumAtomos = 3;
  e.AtomoF[2] = 0.5f;
  e.GiroCristal = 0.3;
  e.Problema = 1;
  e.AVec = 4.42;
}

TEST_F(LimitesTest, GuardaLosLimitesEscritosYVuelveAlPrincipio) {
  CambiaLoAjeno(estado);
  Limites dialogo(estado, &principal);
  EXPECT_EQ(Lee(dialogo, "Text_DeltaMin"), " 5");
  EXPECT_EQ(Lee(dialogo, "Text_DeltaMax"), " 105");
  dialogo.show();
  Escribe(dialogo, "Text_DeltaMin", "20");
  Escribe(dialogo, "Text_DeltaMax", "100.5");
  Pulsa(dialogo, "Command1");
  EXPECT_FALSE(dialogo.isVisible());
  EXPECT_EQ(estado.DeltaMin, 20);
  EXPECT_EQ(estado.DeltaMax, 100.5);
  EXPECT_EQ(estado.PasoDelta, (100.5 - 20) / 400);
  EXPECT_EQ(estado.EspectroMin, 20);
  EXPECT_EQ(estado.EspectroMax, 100.5f);
  EXPECT_EQ(estado.DeltaRad, 6.2832 * 20 / 360);
  EXPECT_EQ(estado.DeltaMedio, 6.2832 * 20 / 360 / 2);

  Estado esperado;
  AsignaValoresIniciales(esperado);
  CambiaLoAjeno(esperado);
  EXPECT_EQ(estado.LambdaX, esperado.LambdaX);
  EXPECT_EQ(estado.NumAtomos, esperado.NumAtomos);
  EXPECT_EQ(estado.AtomoF, esperado.AtomoF);
  EXPECT_EQ(estado.GiroCristal, esperado.GiroCristal);
  EXPECT_EQ(estado.Problema, esperado.Problema);
  EXPECT_EQ(estado.AVec, esperado.AVec);
  EXPECT_EQ(estado.Distancia, esperado.Distancia);
  EXPECT_EQ(estado.IndiceK, esperado.IndiceK);
}

TEST_F(LimitesTest, CancelarElMarcoYUnFinalDesbordadoNoCambianNada) {
  enum Salida { Cancelar, Marco, Desbordado };
  for (Salida salida : {Cancelar, Marco, Desbordado}) {
    Limites dialogo(estado, &principal);
    dialogo.show();
    Escribe(dialogo, "Text_DeltaMin", "20");
    Escribe(dialogo, "Text_DeltaMax", salida == Desbordado ? "1E39" : "90");
    if (salida == Cancelar) Pulsa(dialogo, "Command2");
    if (salida == Marco) dialogo.close();
    if (salida == Desbordado) {
      Pulsa(dialogo, "Command1");
      EXPECT_TRUE(dialogo.isVisible());
      EXPECT_EQ(Lee(dialogo, "Text_DeltaMax"), "1E39");
    } else {
      EXPECT_FALSE(dialogo.isVisible());
    }
    EXPECT_EQ(estado.DeltaMin, 5);
    EXPECT_EQ(estado.DeltaMax, 105);
    EXPECT_EQ(estado.PasoDelta, 0.25);
    EXPECT_EQ(estado.EspectroMax, 105.0f);
    EXPECT_EQ(estado.DeltaRad, 6.2832 * 5 / 360);
  }
}

TEST_F(LimitesTest, ElAnguloMinimoEsElPrimeroEnElOrdenDeTabulacion) {
  Limites dialogo(estado, &principal);
  std::vector<QString> orden;
  for (QWidget* w = dialogo.nextInFocusChain(); w != &dialogo; w = w->nextInFocusChain()) {
    if (w->focusPolicy() & Qt::TabFocus) orden.push_back(w->objectName());
  }
  ASSERT_GE(orden.size(), 2u);
  EXPECT_EQ(orden[0], "Text_DeltaMin");
  EXPECT_EQ(orden[1], "Text_DeltaMax");
}

}  // namespace
}  // namespace varlek::prueba
