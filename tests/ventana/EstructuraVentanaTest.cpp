// The structure window and the rotation dialog, alone and from the main
// window: what they draw, what they store, and what a scan makes of it.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "apoyo/Entorno.h"
#include "dialogos/PruebaDialogo.h"
#include "state/Angulos.h"
#include "structure/Estructu.h"
#include "structure/Giro.h"
#include "ui/Lienzo.h"

namespace varlek {
namespace {

using prueba::Escribe;
using prueba::Pulsa;

const QColor kFondo(255, 255, 192), kAzul(0, 0, 255), kRojo(255, 0, 0);

// The worked crystal: a = b = 4 Å at 90°, one atom of factor 1 at the corner.
struct EstructuVentana : prueba::PruebaDialogo {
  EstructuVentana() { estado.AVec = estado.BVec = 4, estado.Theta = ARadianes(90); }
  QColor En(const Estructu& w, double x, double y) const { return w.Superficie->PixelEn(x, y); }
};

TEST_F(EstructuVentana, WorkedCrystalFamiliesConstructionLinesAndTurning) {
  Estructu w(estado, dialogos, &principal);
  w.show();
  for (int i = -5; i <= 5; ++i)
    for (int j = -5; j <= 5; ++j) {
      EXPECT_EQ(En(w, 40 * i, 40 * j), kAzul) << i << " " << j;
      EXPECT_EQ(En(w, 40 * i + 20, 40 * j + 20), kFondo) << i << " " << j;
    }
  Escribe(w, "Text_a", "0");
  Escribe(w, "Text_b", "1");
  EXPECT_EQ(w.Command2->text(), "Dibujar familia [ 0, 1]");
  Pulsa(w, "Command2");  // (0, 1): 9 lines, -160 to 160
  Escribe(w, "Text_a", "1");
  Pulsa(w, "Command2");  // (1, 1) added: 15 lines 28.28 apart
  EXPECT_EQ(En(w, 20, 160), kRojo);
  EXPECT_EQ(En(w, 20, 200), kFondo);
  EXPECT_EQ(En(w, 20, 28.28), kRojo);

  const int desde = w.Superficie->APixel(-440, 0).x(), hasta = w.Superficie->APixel(-260, 0).x();
  auto azules = [&](double y) {
    int n = 0;
    for (int x = desde; x <= hasta; ++x)
      n += w.Superficie->Imagen().pixelColor(x, w.Superficie->APixel(0, y).y()) == kAzul;
    return n;
  };
  for (const auto& [x, y] : {std::pair{-450, 300}, {-250, 300}, {-450, 350}}) w.Superficie->AlPulsar(1, x, y);
  EXPECT_EQ(azules(350), 0);  // three clicks: one dotted line, some pixels but not all
  EXPECT_GT(azules(300), (hasta - desde) / 4);
  EXPECT_LT(azules(300), (hasta - desde) * 3 / 4);
  // Levelling (1, 1) repaints: a now runs at 225°, no lines are left.
  Pulsa(w, "Command3");
  EXPECT_EQ(azules(300), 0);
  EXPECT_EQ(En(w, 40, 0), kFondo);
  EXPECT_EQ(En(w, -40 * std::sqrt(0.5), -40 * std::sqrt(0.5)), kAzul);
  EXPECT_TRUE(dialogos.mensajes.empty());
}

TEST_F(EstructuVentana, AnyFactorIsDrawnFamiliesWithoutSpacingOnlyReportAndProblemCrystalsStayHidden) {
  estado.NumAtomos = 2, estado.AtomoF[1] = 0.25f, estado.AtomoF[2] = 2.5f;
  estado.AtomoX[2] = estado.AtomoY[2] = 0.5;
  Estructu w(estado, dialogos, &principal);
  EXPECT_EQ(En(w, 0, 0), QColor(Qt::white));
  EXPECT_EQ(En(w, 20, 20), QColor(Qt::black));
  const QImage antes = w.Superficie->Imagen();
  Escribe(w, "Text_a", "0");
  Escribe(w, "Text_b", "0");
  w.Command2->click();
  ASSERT_EQ(dialogos.mensajes.size(), 1u);
  EXPECT_EQ(dialogos.mensajes[0].texto.toStdString(), TextoError(codigo::DivisionPorCero));
  EXPECT_EQ(w.Superficie->Imagen(), antes);
  // Half a million lines closer than a pixel: a solid red band.
  Escribe(w, "Text_a", "40000");
  Escribe(w, "Text_b", "40000");
  w.Command2->click();
  for (double y = -195; y <= 195; y += 5) EXPECT_EQ(En(w, -300, y), kRojo) << y;

  // A problem crystal shows only the refusal, and the buttons are inert.
  estado.Problema = 1, estado.NumAtomos = 1, estado.AtomoF[1] = 1;  // blue atoms, were they drawn
  Estructu p(estado, dialogos, &principal);
  const QImage imagen = p.Superficie->Imagen();
  int oscuros = 0, azules = 0;  // the refusal's text, and not one atom
  for (int y = 0; y < imagen.height(); ++y)
    for (int x = 0; x < imagen.width(); ++x) {
      oscuros += imagen.pixelColor(x, y) == QColor(200, 0, 0);
      azules += imagen.pixelColor(x, y) == kAzul;
    }
  EXPECT_GT(oscuros, 50);
  EXPECT_EQ(azules, 0);
  p.Command2->click();
  p.Command3->click();  // nor is the crystal turned
  EXPECT_EQ(p.Superficie->Imagen(), imagen);
  EXPECT_TRUE(p.Command2->toolTip().isEmpty());
  EXPECT_EQ(estado.GiroCristal, 0);
}

TEST_F(EstructuVentana, GiroShowsDegreesAndStoresRadiansOnAceptarOnly) {
  const struct {
    const char *mostrado, *texto, *boton;
  } pasos[] = {{" 0", "90", "Command1"}, {" 90", "45", "Command2"}, {" 90", "1E308", "Command1"}};
  for (int i = 0; i < 3; ++i) {
    Giro g(estado, dialogos, &principal);
    EXPECT_EQ(prueba::Lee(g, "Text1"), pasos[i].mostrado);
    g.show();
    Escribe(g, "Text1", pasos[i].texto);
    Pulsa(g, pasos[i].boton);
    EXPECT_EQ(g.isVisible(), i == 2);  // radians beyond a double: reported, the dialog stays
    EXPECT_DOUBLE_EQ(estado.GiroCristal, i == 0 ? 1.5708 : ARadianes(90));
  }
  ASSERT_EQ(dialogos.mensajes.size(), 1u);
  EXPECT_EQ(dialogos.mensajes[0].texto.toStdString(), TextoError(codigo::Desbordamiento));
}

// The structure window in its own event loop, as the program runs it, while
// the scan steps on; the turn it makes shows in the rest of the scan.
TEST(EstructuraVentana, TurningForAFamilyWhileAScanRunsShowsThatFamilysPeak) {
  prueba::Ventana v;
  v.estado.AVec = v.estado.BVec = 4, v.estado.Theta = ARadianes(90);
  v.Pulsa("Barrido_Lanzar");
  const double inicio = v.estado.DeltaRad;
  double abierta = inicio;
  v.dialogos.accionesModal.push_back([&](QDialog& d) {
    Escribe(d, "Text_a", "1");
    Pulsa(d, "Command3");
    QTimer::singleShot(300, &d, [&] { abierta = v.estado.DeltaRad, d.accept(); });
    d.exec();
  });
  v.graf->Toolbar1_ButtonClick("cristal");
  EXPECT_GE(abierta - inicio, 2 * ARadianes(v.estado.PasoDelta) - 1e-12);
  v.Pasos();
  // 2·arcsin(λ/2d) for the (1, 1) rows, d = 2.828 Å.
  const auto mayor = std::max_element(v.estado.Espectro.begin(), v.estado.Espectro.end());
  EXPECT_NEAR(v.estado.EspectroMin + (mayor - v.estado.Espectro.begin()) * 0.25, 31.63, 0.5);
  v.Responde("Cristal_Girar", {{"Text1", "0"}});
  EXPECT_EQ(v.estado.GiroCristal, 0);
  EXPECT_EQ(v.dialogos.modalesVistos, (std::vector<QString>{"Estructu", "Giro"}));
}

}  // namespace
}  // namespace varlek
