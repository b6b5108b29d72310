#include <QLabel>
#include <tuple>

#include "PruebaDialogo.h"
#include "crystal/Cristal.h"
#include "files/Aviso.h"
#include "scan/Lambda.h"
#include "scan/Limites.h"
#include "spectrum/Factor.h"

namespace varlek::prueba {
namespace {

using ColocacionTest = PruebaDialogo;

// Every dialog has a fixed client area (twips / 15 pixels), its title and
// first label, and opens centred on the main window's size, without adding
// the main window's position.
TEST_F(ColocacionTest, CadaDialogoSeCentraSobreLaVentanaPrincipal) {
  principal.move(200, 150);
  Cristal cristal(estado, dialogos, &principal);
  Lambda lambda(estado, &principal);
  Limites limites(estado, &principal);
  Factor factor(estado, &principal);
  Aviso aviso(estado, &principal);
  const std::tuple<QDialog*, QSize, QString, QString> casos[] = {
      {&cristal, {424, 427}, "Condiciones del espectro", "a:"},
      {&lambda, {360, 129}, "", "Longitud de onda de los rayos X:"},
      {&limites, {383, 190}, "LÍMITES DEL BARRIDO", "Ángulo mínimo:"},
      {&factor, {353, 110}, "", "Factor de escala:"},
      {&aviso,
       {410, 143},
       "AVISO",
       "El rango espectral del registro no coincide con el de la pantalla. Al mostrar el registro se borrará el "
       "espectro en pantalla y se perderá la información."},
  };
  for (const auto& [dialogo, tamano, titulo, etiqueta] : casos) {
    SCOPED_TRACE(dialogo->objectName().toStdString());
    EXPECT_EQ(dialogo->size(), tamano);
    EXPECT_EQ(dialogo->windowTitle(), titulo);
    auto* label1 = dialogo->findChild<QLabel*>("Label1");
    ASSERT_NE(label1, nullptr);
    EXPECT_EQ(label1->text(), etiqueta);
    const QSize libre = principal.size() - tamano;
    EXPECT_EQ(dialogo->pos(), QPoint(libre.width() / 2, libre.height() / 2));
  }
}

}  // namespace
}  // namespace varlek::prueba
