// A scan run through the main window: the timer's steps, the scan commands
// and what they leave on the surfaces.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <cmath>

#include "apoyo/Entorno.h"
#include "scan/Barrido.h"
#include "state/Angulos.h"
#include "state/ErrorVarlek.h"
#include "ui/Lienzo.h"

namespace varlek {
namespace {

using prueba::CristalDePrueba;
using prueba::Ventana;

const QColor kNegro(Qt::black), kRojo(255, 0, 0);

// How many pixels of a colour the picture has along a ray from the origin at
// `angulo`, from radius `desde` to `hasta`.
int EnRayo(const ui::Lienzo& l, const QImage& imagen, double angulo, const QColor& c, double hasta = 380,
           double desde = 60, double paso = 2) {
  int n = 0;
  for (double r = desde; r <= hasta; r += paso)
    n += imagen.pixelColor(l.APixel(r * std::cos(angulo), r * std::sin(angulo))) == c;
  return n;
}
// Whether the picture has the crystal's square: black at or next to the
// middle of a side, turned as drawn.
bool ConCristal(const ui::Lienzo& l, const QImage& imagen, const Estado& e) {
  const double phi = e.GiroCristal + e.DeltaMedio;
  const QPoint p = l.APixel(15 * std::cos(phi), 15 * std::sin(phi));
  bool negro = false;
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy) negro = negro || imagen.pixelColor(p + QPoint(dx, dy)) == kNegro;
  return negro;
}

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
  v.Pulsa("Barrido_Lanzar");   // a second "Lanzar" is the same scan
  EXPECT_EQ(v.Pasos(50), 50);  // the flank of the first peak, at 17.25°: a mid grey
  const float flanco = v.estado.Espectro[49];
  const int gris = 255 - static_cast<int>(std::floor(flanco / 1.4));
  // The mark runs from radius 370 to 377; its outer part is sampled clear of pixel rounding.
  EXPECT_GE(EnRayo(esquema, esquema.Imagen(), ARadianes(17.25), QColor(gris, gris, gris), 377, 374, 0.5), 5) << flanco;
  EXPECT_EQ(v.Pasos(2), 2);  // its top, at 17.75°: black
  EXPECT_GE(EnRayo(esquema, esquema.Imagen(), ARadianes(17.75), kNegro, 377, 374, 0.5), 5) << v.estado.Espectro[51];
  EXPECT_TRUE(ConCristal(esquema, esquema.ImagenMostrada(), v.estado));
  EXPECT_NE(esquema.ImagenMostrada(), esquema.Imagen());
  EXPECT_GT(EnRayo(esquema, esquema.ImagenMostrada(), 3.1416, kNegro), 20);  // the axis, dotted
  EXPECT_LT(EnRayo(esquema, esquema.ImagenMostrada(), 3.1416, kNegro), 130);
  ASSERT_GT(v.estado.Intensidad, 50);
  const double haz = v.estado.DeltaRad;
  EXPECT_EQ(v.Pasos(1), 1);
  EXPECT_GT(EnRayo(esquema, esquema.ImagenMostrada(), haz, kRojo, 360), 10);
  EXPECT_EQ(EnRayo(esquema, esquema.Imagen(), haz, kRojo, 360), 0);
  v.Pulsa("Barrido_Detener");
  EXPECT_FALSE(v.graf->Reloj.isActive());
  EXPECT_EQ(esquema.ImagenMostrada(), esquema.Imagen());
  EXPECT_TRUE(ConCristal(esquema, esquema.Imagen(), v.estado));

  v.Pulsa("Barrido_Lanzar");
  EXPECT_EQ(v.Pasos(), 348);
  EXPECT_EQ(v.estado.Espectro, esperado.Espectro);
  ASSERT_EQ(v.dialogos.mensajes.size(), 1u);
  EXPECT_EQ(v.dialogos.mensajes[0].titulo, "INFORMACION");
  EXPECT_EQ(v.dialogos.mensajes[0].texto, "Barrido terminado");
  EXPECT_EQ(v.estado.DeltaRad, ARadianes(5));
  EXPECT_EQ(v.graf->PuntX->text(), " 105");
  // The crystal is drawn again at the last step's angle.
  EXPECT_TRUE(ConCristal(esquema, esquema.Imagen(), v.estado));
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
    const int rojos = EnRayo(*v.graf->Esquema, v.graf->Esquema->Imagen(), v.estado.DeltaRad, kRojo, 350);
    EXPECT_EQ(rojos > 0, anterior > 50) << anterior << " " << rojos;
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
