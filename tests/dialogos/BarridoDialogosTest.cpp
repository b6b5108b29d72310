#include <QLineEdit>
#include <tuple>

#include "PruebaDialogo.h"
#include "scan/Lambda.h"
#include "scan/Limites.h"
#include "state/ErrorVarlek.h"

namespace varlek::prueba {
namespace {

using BarridoDialogosTest = PruebaDialogo;

// "Cancelar" of the wavelength stores nothing; an end angle beyond the float
// range stores nothing either and keeps the limits dialog open.
TEST_F(BarridoDialogosTest, LeavingWithoutAUsableValueChangesNothing) {
  Lambda lambda(estado, &principal);
  Limites limites(estado, dialogos, &principal);
  const std::tuple<QDialog*, const char*, const char*, bool> casos[] = {{&lambda, "Text1", "Command2", false},
                                                                        {&limites, "Text_DeltaMax", "Command1", true}};
  for (const auto& [dialogo, campo, boton, sigueAbierto] : casos) {
    dialogo->show();
    Escribe(*dialogo, campo, "1E39");
    Pulsa(*dialogo, boton);
    EXPECT_EQ(dialogo->isVisible(), sigueAbierto) << campo;
  }
  EXPECT_EQ(estado.LambdaX, 1.5418);
  EXPECT_EQ(estado.DeltaMax, 105);
  ASSERT_EQ(dialogos.mensajes.size(), 1u);  // the refused end angle says why
  EXPECT_EQ(dialogos.mensajes[0].texto.toStdString(), TextoError(codigo::Desbordamiento));
}

TEST_F(BarridoDialogosTest, TabGoesFromTheStartAngleToTheEndAngle) {
  Limites dialogo(estado, dialogos, &principal);
  EXPECT_EQ(Hijo<QLineEdit>(dialogo, "Text_DeltaMin").nextInFocusChain()->objectName(), "Text_DeltaMax");
}

}  // namespace
}  // namespace varlek::prueba
