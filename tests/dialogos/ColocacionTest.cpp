#include <initializer_list>

#include "PruebaDialogo.h"
#include "apoyo/Referencia.h"
#include "crystal/Cristal.h"
#include "files/Aviso.h"
#include "scan/Lambda.h"
#include "scan/Limites.h"
#include "spectrum/Factor.h"

namespace varlek::prueba {
namespace {

using ColocacionTest = PruebaDialogo;

// Every dialog looks as it should and opens centred on the main window's
// size, without adding the main window's position.
TEST_F(ColocacionTest, EveryDialogIsCentredOnTheMainWindow) {
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
    EXPECT_LT(dialogo->width(), principal.width());
    EXPECT_EQ(dialogo->pos(), QPoint(libre.width() / 2, libre.height() / 2));
  }
}

}  // namespace
}  // namespace varlek::prueba
