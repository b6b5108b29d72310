// A scan run through the main window: the timer's steps, the scan commands
// and what they leave on the surfaces.

#include <gtest/gtest.h>

#include <algorithm>
#include <span>

#include "apoyo/Entorno.h"
#include "apoyo/Referencia.h"
#include "scan/Barrido.h"
#include "state/Angulos.h"
#include "state/ErrorVarlek.h"
#include "ui/Lienzo.h"

namespace varlek {
namespace {

using prueba::CristalDePrueba;
using prueba::Ventana;

// The one full scan through the window: stopped and launched again at the
// first peak, it leaves the very points of an uninterrupted scan. Between
// two ticks the screen shows the step's crystal, its dotted beam axis and,
// after a point above 50, the red beam, while the backing image has them
// erased; once stopped the screen shows the backing image again, with the
// crystal drawn anew. The detector mark darkens with the intensity.
TEST(BarridoVentana, ScanStoppedAndResumedFillsEverySlotAndRewinds) {
  Ventana v;
  CristalDePrueba(v.estado);
  v.estado.Espectro.Rellena(-1);
  Estado esperado = v.estado;
  CompletaBarrido(esperado);
  const ui::Lienzo& esquema = *v.graf->Esquema;

  v.Pulsa("Barrido_Lanzar");
  v.Pulsa("Barrido_Lanzar");  // a second "Lanzar" is the same scan
  // Up to the step after the first peak's top (17.75°): the marks grey on its
  // flank and black on its top; shown over them the step's crystal, the
  // dotted beam axis and the red beam.
  EXPECT_EQ(v.Pasos(53), 53);
  ASSERT_GT(v.estado.Espectro[51], 360);
  EXPECT_TRUE(prueba::ComoReferencia(esquema.Imagen(), "barrido-marcas"));
  EXPECT_TRUE(prueba::ComoReferencia(esquema.ImagenMostrada(), "barrido-haz"));
  v.Pulsa("Barrido_Detener");
  EXPECT_FALSE(v.graf->Reloj.isActive());
  EXPECT_EQ(esquema.ImagenMostrada(), esquema.Imagen());
  EXPECT_TRUE(prueba::ComoReferencia(esquema.Imagen(), "barrido-detenido"));

  v.Pulsa("Barrido_Lanzar");
  EXPECT_EQ(v.Pasos(), 348);
  EXPECT_EQ(v.estado.Espectro, esperado.Espectro);
  ASSERT_EQ(v.dialogos.mensajes.size(), 1u);
  EXPECT_EQ(v.dialogos.mensajes[0].titulo, "INFORMACION");
  EXPECT_EQ(v.dialogos.mensajes[0].texto, "Barrido terminado");
  EXPECT_EQ(v.estado.DeltaRad, ARadianes(5));
  EXPECT_EQ(v.graf->PuntX->text(), " 105");
  // The crystal is drawn again at the last step's angle.
  EXPECT_TRUE(prueba::ComoReferencia(esquema.Imagen(), "barrido-final"));
}

// A step that fails stops the timer before its message and keeps what it
// drew before: the red beam shows whether the step drew it, which depends on
// the previous point only.
TEST(BarridoVentana, AFailedStepStopsFirstAndKeepsTheRedBeamOnlyAfterAPointAbove50) {
  for (const float anterior : {0.0f, 50.0f, 50.5f}) {
    Ventana v;
    v.estado.LambdaX = 0;
    v.estado.Intensidad = anterior;
    bool relojActivo = true;
    v.dialogos.alMensaje = [&](const prueba::MensajeVisto&) { relojActivo = v.graf->Reloj.isActive(); };
    v.Pulsa("Barrido_Lanzar");
    EXPECT_EQ(v.Pasos(), 1);
    EXPECT_FALSE(relojActivo);
    ASSERT_EQ(v.dialogos.mensajes.size(), 1u);
    EXPECT_EQ(v.dialogos.mensajes[0].titulo, "MENSAJE DE ERROR");
    EXPECT_EQ(v.dialogos.mensajes[0].texto.toStdString(), TextoError(codigo::DivisionPorCero));
    const QImage& imagen = v.graf->Esquema->Imagen();
    EXPECT_EQ(std::ranges::count(std::span(reinterpret_cast<const QRgb*>(imagen.bits()), imagen.sizeInBytes() / 4),
                                 qRgb(255, 0, 0)) > 0,
              anterior > 50)
        << anterior;
  }
}

TEST(BarridoVentana, WavelengthDialogReadsUpToTheComma) {
  Ventana v;
  v.dialogos.accionesModal.push_back([](QDialog& d) {
    EXPECT_EQ(prueba::Lee(d, "Text1"), " 1.5418");
    prueba::Escribe(d, "Text1", "1,5418");
    prueba::Pulsa(d, "Command1");
  });
  v.Pulsa("Barrido_LambdaX");
  EXPECT_EQ(v.estado.LambdaX, 1.0);
}

}  // namespace
}  // namespace varlek
