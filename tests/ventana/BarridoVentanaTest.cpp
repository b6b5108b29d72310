// A scan run through the main window: the timer's steps, the scan commands
// and what they leave on the surfaces.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <cmath>

#include "apoyo/Entorno.h"
#include "scan/Barrido.h"
#include "scan/ModeloIntensidad.h"
#include "state/Numeros.h"
#include "ui/Lienzo.h"
#include "ui/SuperficieVentana.h"

namespace varlek {
namespace {

using prueba::CristalDePrueba;
using prueba::Ventana;

TEST(BarridoVentana, DefaultScanFillsEverySlotAndRewinds) {
  Ventana v;
  CristalDePrueba(v.estado);
  v.estado.Espectro.Rellena(-1);
  Estado esperado = v.estado;
  CompletaBarrido(esperado);

  v.Pulsa("Barrido_Lanzar");
  v.Pulsa("Barrido_Lanzar");  // a second "Lanzar" is the same scan
  EXPECT_TRUE(v.graf->Reloj.isActive());
  EXPECT_EQ(v.Pasos(), 401);
  EXPECT_EQ(v.estado.Espectro, esperado.Espectro);
  for (float punto : v.estado.Espectro) EXPECT_GE(punto, 0.0f);
  ASSERT_EQ(v.dialogos.mensajes.size(), 1u);
  EXPECT_EQ(v.dialogos.mensajes[0].titulo, "INFORMACION");
  EXPECT_EQ(v.dialogos.mensajes[0].texto, "Barrido terminado");
  EXPECT_EQ(v.estado.DeltaRad, 6.2832 * 5 / 360);
  EXPECT_EQ(v.graf->PuntX->text(), " 105");
  // The crystal is drawn again at the last step's orientation.
  EXPECT_EQ(v.graf->Esquema->PixelEn(0, 0), QColor(Qt::white));
}

TEST(BarridoVentana, StopAndLaunchAgainContinuesWithoutAGap) {
  Ventana v;
  CristalDePrueba(v.estado);
  Estado esperado = v.estado;
  CompletaBarrido(esperado);
  v.Pulsa("Barrido_Lanzar");
  EXPECT_EQ(v.Pasos(150), 150);
  v.Pulsa("Barrido_Detener");
  EXPECT_FALSE(v.graf->Reloj.isActive());
  const double detenido = v.estado.DeltaRad;
  v.Pulsa("Barrido_Detener");  // on an idle scan: nothing changes
  EXPECT_EQ(v.estado.DeltaRad, detenido);
  v.graf->Toolbar1_ButtonClick("lanzar");
  EXPECT_EQ(v.Pasos(), 251);
  EXPECT_EQ(v.estado.Espectro, esperado.Espectro);
}

TEST(BarridoVentana, DetectorMarkDarkensWithTheIntensity) {
  // One step on the flank of the first peak (a mid grey) and one on its top (black).
  for (const auto& [grados, ranura] : {std::pair{17.25, 49}, std::pair{17.75, 51}}) {
    Ventana v;
    CristalDePrueba(v.estado);
    const double angulo = 6.2832 * grados / 360;
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
    EXPECT_EQ(v.graf->PuntX->text(), QString::fromStdString(FormateaNumero(angulo * 360 / 6.2832)));
  }
}

TEST(BarridoVentana, ErrorsStopTheTimerBeforeTheMessage) {
  struct Caso {
    void (*prepara)(Estado&);
    const char* mensaje;
  };
  const Caso casos[] = {
      {[](Estado& e) { e.LambdaX = 0; }, "Error  11: División por cero"},
      {[](Estado& e) { e.DeltaMin = 10; }, "Error  9: El subíndice está fuera del intervalo"},  // angle below the slots
      {[](Estado& e) { e.AVec = 1e300; }, "Error  6: Desbordamiento"},
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
    EXPECT_EQ(v.dialogos.mensajes[0].texto.toStdString(), c.mensaje);
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
  }
}

TEST(BarridoVentana, LimitsEnteredAreScannedAndLabelled) {
  Ventana v;
  CristalDePrueba(v.estado);
  v.FijaLimites("20", "100");
  EXPECT_EQ(v.estado.DeltaMin, 20.0);
  EXPECT_EQ(v.estado.LambdaX, 1.5418);
  EXPECT_EQ(v.graf->Superficie->Textos().front().texto, " 20");
  v.Pulsa("Barrido_Lanzar");
  EXPECT_EQ(v.Pasos(), 401);  // the point at 100° included
  EXPECT_EQ(v.graf->PuntX->text().left(4), " 100");
  EXPECT_EQ(v.estado.DeltaRad, 6.2832 * 20 / 360);
  v.Pulsa("Barrido_Lanzar");  // a second scan starts where it should
  EXPECT_EQ(v.Pasos(), 401);
  EXPECT_EQ(v.dialogos.mensajes.size(), 2u);
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
