#include <functional>
#include <memory>

#include "PruebaDialogo.h"
#include "crystal/Cristal.h"
#include "files/Aviso.h"
#include "scan/Lambda.h"
#include "scan/Limites.h"
#include "spectrum/Factor.h"

namespace varlek::prueba {
namespace {

using ColocacionTest = PruebaDialogo;

// Every dialog has a fixed client area (twips / 15 pixels) and opens centred
// on the main window's size, without adding the main window's position.
TEST_F(ColocacionTest, CadaDialogoSeCentraSobreLaVentanaPrincipal) {
  struct Caso {
    const char* nombre;
    std::function<std::unique_ptr<QDialog>()> crea;
    QSize tamano;
    QString titulo;
  };
  const Caso casos[] = {
      {"Cristal",
       [&] { return std::make_unique<Cristal>(estado, dialogos, &principal); },
       {424, 427},
       "Condiciones del espectro"},
      {"Lambda", [&] { return std::make_unique<Lambda>(estado, &principal); }, {360, 129}, ""},
      {"Limites", [&] { return std::make_unique<Limites>(estado, &principal); }, {383, 190}, "LÍMITES DEL BARRIDO"},
      {"Factor", [&] { return std::make_unique<Factor>(estado, &principal); }, {353, 110}, ""},
      {"Aviso", [&] { return std::make_unique<Aviso>(estado, &principal); }, {410, 143}, "AVISO"},
  };
  principal.move(200, 150);
  for (const QSize grande : {QSize(1000, 800), QSize(640, 480)}) {
    principal.resize(grande);
    for (const Caso& caso : casos) {
      auto dialogo = caso.crea();
      EXPECT_EQ(dialogo->objectName(), caso.nombre);
      EXPECT_EQ(dialogo->size(), caso.tamano) << caso.nombre;
      EXPECT_EQ(dialogo->windowTitle(), caso.titulo) << caso.nombre;
      const QPoint esperado((grande.width() - caso.tamano.width()) / 2, (grande.height() - caso.tamano.height()) / 2);
      EXPECT_EQ(dialogo->pos(), esperado) << caso.nombre;
    }
  }
}

}  // namespace
}  // namespace varlek::prueba
