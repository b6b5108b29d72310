#include <QLineEdit>
#include <initializer_list>
#include <tuple>

#include "PruebaDialogo.h"
#include "apoyo/Referencia.h"
#include "crystal/Cristal.h"
#include "files/Aviso.h"
#include "scan/Lambda.h"
#include "scan/Limites.h"
#include "spectrum/Factor.h"
#include "state/ErrorVarlek.h"

namespace varlek::prueba {
namespace {

using DialogosTest = PruebaDialogo;

// Every dialog looks as it should and opens centred on the main window's
// size, without adding the main window's position.
TEST_F(DialogosTest, EveryDialogIsCentredOnTheMainWindow) {
  principal.move(200, 150);
  Cristal cristal(estado, dialogos, &principal);
  Lambda lambda(estado, &principal);
  Limites limites(estado, dialogos, &principal);
  Factor factor(estado, dialogos, &principal);
  Aviso aviso(estado, &principal);
  for (QDialog* dialogo : std::initializer_list<QDialog*>{&cristal, &lambda, &limites, &factor, &aviso}) {
    SCOPED_TRACE(dialogo->objectName().toStdString());
    EXPECT_TRUE(ComoReferencia(*dialogo, dialogo->objectName()));
    const QSize libre = principal.size() - dialogo->size();
    EXPECT_EQ(dialogo->pos(), QPoint(libre.width() / 2, libre.height() / 2));
  }
}

// "Cancelar" of the wavelength stores nothing; an end angle beyond the float
// range stores nothing either and keeps the limits dialog open.
TEST_F(DialogosTest, LeavingWithoutAUsableValueChangesNothing) {
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

TEST_F(DialogosTest, TabGoesFromTheStartAngleToTheEndAngle) {
  Limites dialogo(estado, dialogos, &principal);
  EXPECT_EQ(Hijo<QLineEdit>(dialogo, "Text_DeltaMin").nextInFocusChain()->objectName(), "Text_DeltaMax");
}

}  // namespace
}  // namespace varlek::prueba
