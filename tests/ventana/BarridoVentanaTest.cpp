// A scan run through the main window: the timer's steps, the scan commands
// and what they leave on the surfaces.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <cmath>

#include "apoyo/Entorno.h"
#include "scan/Barrido.h"
#include "scan/ModeloIntensidad.h"
#include "state/Angulos.h"
#include "state/ErrorVarlek.h"
#include "state/Numeros.h"
#include "ui/Lienzo.h"
#include "ui/SuperficieVentana.h"

namespace varlek {
namespace {

using prueba::CristalDePrueba;
using prueba::Ventana;

// How many pixels of a colour the picture has near a point, or along a ray
// from the origin at `angulo` between two radii.
int Cerca(const QImage& imagen, QPoint p, const QColor& color) {
  int n = 0;
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy) n += imagen.pixelColor(p + QPoint(dx, dy)) == color;
  return n;
}
int EnRayo(const ui::Lienzo& l, const QImage& imagen, double angulo, double desde, double hasta, const QColor& c) {
  int n = 0;
  for (double r = desde; r <= hasta; r += 2)
    n += imagen.pixelColor(l.APixel(r * std::cos(angulo), r * std::sin(angulo))) == c;
  return n;
}
// A point in the middle of a side of the crystal's square, turned as drawn.
QPoint LadoDelCristal(const ui::Lienzo& l, const Estado& e) {
  const double phi = e.GiroCristal + e.DeltaMedio;
  return l.APixel(15 * std::cos(phi), 15 * std::sin(phi));
}

// The one full scan through the window: stopped and launched again halfway,
// it leaves the very points of an uninterrupted scan.
TEST(BarridoVentana, ScanStoppedAndResumedFillsEverySlotAndRewinds) {
  Ventana v;
  CristalDePrueba(v.estado);
  v.estado.Espectro.Rellena(-1);
  Estado esperado = v.estado;
  CompletaBarrido(esperado);

  v.Pulsa("Barrido_Lanzar");
  v.Pulsa("Barrido_Lanzar");  // a second "Lanzar" is the same scan
  EXPECT_EQ(v.Pasos(150), 150);
  v.Pulsa("Barrido_Detener");
  EXPECT_FALSE(v.graf->Reloj.isActive());
  const double detenido = v.estado.DeltaRad;
  v.Pulsa("Barrido_Detener");  // on an idle scan: nothing changes
  EXPECT_EQ(v.estado.DeltaRad, detenido);
  v.Pulsa("Barrido_Lanzar");
  EXPECT_EQ(v.Pasos(), 251);
  EXPECT_EQ(v.estado.Espectro, esperado.Espectro);
  ASSERT_EQ(v.dialogos.mensajes.size(), 1u);
  EXPECT_EQ(v.dialogos.mensajes[0].titulo, "INFORMACION");
  EXPECT_EQ(v.dialogos.mensajes[0].texto, "Barrido terminado");
  EXPECT_EQ(v.estado.DeltaRad, ARadianes(5));
  EXPECT_EQ(v.graf->PuntX->text(), " 105");
  // The crystal is drawn again at the last step's angle, and shown.
  const ui::Lienzo& esquema = *v.graf->Esquema;
  EXPECT_EQ(esquema.ImagenMostrada(), esquema.Imagen());
  EXPECT_GT(Cerca(esquema.Imagen(), LadoDelCristal(esquema, v.estado), QColor(Qt::black)), 0);
}

TEST(BarridoVentana, DetectorMarkDarkensWithTheIntensity) {
  // One step on the flank of the first peak (a mid grey) and one on its top (black).
  for (const auto& [grados, ranura] : {std::pair{17.25, 49}, std::pair{17.75, 51}}) {
    Ventana v;
    CristalDePrueba(v.estado);
    const double angulo = ARadianes(grados);
    v.estado.DeltaRad = angulo;
    v.Pulsa("Barrido_Lanzar");
    v.graf->Reloj_Timer();
    const float punto = v.estado.Espectro[ranura];
    const int g = 255 - std::min(255, static_cast<int>(std::floor(punto / 1.4)));
    // The stroke runs from radius 370 to 377; the outer part is sampled clear of pixel rounding.
    int marcas = 0;
    for (double r = 374; r <= 377; r += 0.5) {
      const QColor c = v.graf->Esquema->PixelEn(r * std::cos(angulo), r * std::sin(angulo));
      marcas += c == QColor(g, g, g);
    }
    EXPECT_GE(marcas, 5) << grados << " " << punto;
    if (ranura == 49) {
      EXPECT_TRUE(punto > 50 && punto < 300) << punto;  // a true grey
    }
    EXPECT_EQ(v.graf->PuntX->text(), QString::fromStdString(FormateaNumero(AGrados(angulo))));
  }
}

TEST(BarridoVentana, ErrorsStopTheTimerBeforeTheMessage) {
  struct Caso {
    void (*prepara)(Estado&);
    int codigo;
  };
  const Caso casos[] = {
      {[](Estado& e) { e.LambdaX = 0; }, codigo::DivisionPorCero},
      {[](Estado& e) { e.DeltaMin = 10; }, codigo::FueraDeIntervalo},  // the angle lies below the slots
      {[](Estado& e) { e.AVec = 1e300; }, codigo::Desbordamiento},
  };
  for (const auto& c : casos) {
    Ventana v;
    CristalDePrueba(v.estado);
    c.prepara(v.estado);
    bool relojActivo = true;
    v.dialogos.alMensaje = [&](const prueba::MensajeVisto&) { relojActivo = v.graf->Reloj.isActive(); };
    v.Pulsa("Barrido_Lanzar");
    EXPECT_EQ(v.Pasos(), 1);
    EXPECT_FALSE(relojActivo);
    ASSERT_EQ(v.dialogos.mensajes.size(), 1u);
    EXPECT_EQ(v.dialogos.mensajes[0].titulo, "MENSAJE DE ERROR");
    EXPECT_EQ(v.dialogos.mensajes[0].texto.toStdString(), TextoError(c.codigo));
  }
}

// A step that fails in the model keeps what it drew before: the red beam
// shows whether the step drew it, which depends on the previous point only.
TEST(BarridoVentana, RedBeamOnlyAfterAPointAbove50) {
  for (const float anterior : {0.0f, 50.0f, 50.5f}) {
    Ventana v;
    v.estado.LambdaX = 0;
    v.estado.Intensidad = anterior;
    v.Pulsa("Barrido_Lanzar");
    v.Pasos();
    const double a = v.estado.DeltaRad;
    int rojos = 0;
    for (double r = 50; r <= 350; r += 5)
      rojos += v.graf->Esquema->PixelEn(r * std::cos(a), r * std::sin(a)) == QColor(255, 0, 0);
    EXPECT_EQ(rojos > 0, anterior > 50) << anterior << " " << rojos;
    // The beam axis stays black.
    const ui::Lienzo& esquema = *v.graf->Esquema;
    EXPECT_EQ(EnRayo(esquema, esquema.Imagen(), 3.1416, 60, 380, QColor(255, 0, 0)), 0) << anterior;
    EXPECT_GT(EnRayo(esquema, esquema.Imagen(), 3.1416, 60, 380, QColor(Qt::black)), 20) << anterior;
  }
}

// Between two ticks the screen shows the step's crystal, its dotted beam
// axis and, after a point above 50, the red beam, while the backing image has
// them erased; once the scan stops the screen shows the backing image again,
// with the crystal drawn anew.
TEST(BarridoVentana, TheScreenShowsTheMovingPartsBetweenTicks) {
  Ventana v;
  CristalDePrueba(v.estado);
  v.estado.DeltaRad = ARadianes(17.75);  // the first peak
  const ui::Lienzo& esquema = *v.graf->Esquema;
  const QColor negro(Qt::black), rojo(255, 0, 0), blanco(Qt::white);
  v.Pulsa("Barrido_Lanzar");
  v.graf->Reloj_Timer();
  const Estado primero = v.estado;
  EXPECT_GT(Cerca(esquema.ImagenMostrada(), LadoDelCristal(esquema, primero), negro), 0);
  EXPECT_NE(esquema.ImagenMostrada(), esquema.Imagen());
  EXPECT_GT(EnRayo(esquema, esquema.ImagenMostrada(), 3.1416, 60, 380, negro), 20);  // the axis, dotted
  EXPECT_LT(EnRayo(esquema, esquema.ImagenMostrada(), 3.1416, 60, 380, negro), 130);
  EXPECT_EQ(EnRayo(esquema, esquema.ImagenMostrada(), 3.1416, 60, 380, rojo), 0);
  ASSERT_GT(v.estado.Intensidad, 50);

  v.graf->Reloj_Timer();  // after the peak: the red beam, the axis still black
  const double haz = ARadianes(17.75);
  EXPECT_GT(EnRayo(esquema, esquema.ImagenMostrada(), haz, 60, 360, rojo), 10);
  EXPECT_EQ(EnRayo(esquema, esquema.Imagen(), haz, 60, 360, rojo), 0);
  EXPECT_EQ(EnRayo(esquema, esquema.ImagenMostrada(), 3.1416, 60, 380, rojo), 0);

  v.Pulsa("Barrido_Detener");
  EXPECT_EQ(esquema.ImagenMostrada(), esquema.Imagen());
  EXPECT_GT(Cerca(esquema.Imagen(), LadoDelCristal(esquema, v.estado), negro), 0);
  EXPECT_EQ(EnRayo(esquema, esquema.Imagen(), haz, 60, 360, rojo), 0);
  EXPECT_GT(EnRayo(esquema, esquema.Imagen(), haz, 60, 360, blanco), 100);
}

TEST(BarridoVentana, LimitsEnteredRewindTheScanAndRelabelThePlot) {
  Ventana v;
  v.graf->Esquema->Punto(0, 200, QColor(255, 0, 0));
  v.FijaLimites("20", "100");
  EXPECT_EQ(v.graf->Esquema->PixelEn(0, 200), QColor(Qt::white));  // the schematic drawn anew
  EXPECT_EQ(v.estado.DeltaMin, 20.0);
  EXPECT_EQ(v.estado.DeltaRad, ARadianes(20));
  EXPECT_EQ(v.estado.LambdaX, 1.5418);
  EXPECT_EQ(v.graf->Superficie->Textos().front().texto, " 20");
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
