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
    for (int j = -5; j <= 5; ++j)
      EXPECT_TRUE(En(w, 40 * i, 40 * j) == kAzul && En(w, 40 * i + 20, 40 * j + 20) == kFondo);
  const QImage antes = w.Superficie->Imagen();
  Escribe(w, "Text_b", "99999");  // held at the 16-bit index that the button draws
  Escribe(w, "Text_a", "-1");
  EXPECT_EQ(w.Command2->text(), "Dibujar familia [-1, 32767]");
  Escribe(w, "Text_a", "0");
  Escribe(w, "Text_b", "1");
  EXPECT_EQ(w.Superficie->Imagen(), antes);
  Pulsa(w, "Command2");  // (0, 1): 9 lines, -160 to 160
  Escribe(w, "Text_a", "1");
  Pulsa(w, "Command2");  // (1, 1) added: 15 lines 28.28 apart
  EXPECT_TRUE(En(w, 20, 160) == kRojo && En(w, 20, 200) == kFondo && En(w, -470, 40) == kFondo);
  EXPECT_TRUE(En(w, 20, 28.28) == kRojo && En(w, 20, -7 * 28.28) == kRojo && En(w, 20, 12) == kFondo);

  const int desde = w.Superficie->APixel(-440, 0).x(), hasta = w.Superficie->APixel(-260, 0).x();
  auto azules = [&](double y) {
    int n = 0;
    for (int x = desde; x <= hasta; ++x)
      n += w.Superficie->Imagen().pixelColor(x, w.Superficie->APixel(0, y).y()) == kAzul;
    return n;
  };
  for (const auto& [x, y] : {std::pair{-450, 300}, {-250, 300}, {-450, 350}}) w.Superficie->AlPulsar(1, x, y);
  EXPECT_EQ(azules(350), 0);  // three clicks: one dotted line, some pixels but not all
  EXPECT_TRUE(azules(300) > (hasta - desde) / 4 && azules(300) < (hasta - desde) * 3 / 4) << azules(300);
  // Levelling (1, 1) repaints: a now runs at 225°, no lines are left.
  Pulsa(w, "Command3");
  EXPECT_TRUE(azules(300) == 0 && En(w, 20, 40) == kFondo && En(w, 40, 0) == kFondo);
  EXPECT_EQ(En(w, -40 * std::sqrt(0.5), -40 * std::sqrt(0.5)), kAzul);
  EXPECT_TRUE(dialogos.mensajes.empty());
}

TEST_F(EstructuVentana, AnyFactorIsDrawnAndFamiliesWithoutSpacingOnlyReport) {
  estado.NumAtomos = 2, estado.AtomoF[1] = 0.25f, estado.AtomoF[2] = 2.5f;
  estado.AtomoX[2] = estado.AtomoY[2] = 0.5;
  Estructu w(estado, dialogos, &principal);
  EXPECT_TRUE(En(w, 0, 0) == QColor(Qt::white) && En(w, 20, 20) == QColor(Qt::black) && dialogos.mensajes.empty());
  const struct {
    const char *h, *k;
    double a;
    int codigo;
  } casos[] = {
      {"0", "0", 4, codigo::DivisionPorCero}, {"1", "0", 1e-30, codigo::Desbordamiento}, {"40000", "40000", 4, 0}};
  for (const auto& c : casos) {
    const QImage antes = w.Superficie->Imagen();
    dialogos.mensajes.clear();
    estado.AVec = c.a;
    Escribe(w, "Text_a", c.h);
    Escribe(w, "Text_b", c.k);
    w.Command2->click();
    EXPECT_EQ(dialogos.mensajes.size(), c.codigo != 0 ? 1u : 0u) << c.h;
    if (c.codigo != 0) {
      EXPECT_EQ(dialogos.mensajes[0].texto.toStdString(), TextoError(c.codigo));
      EXPECT_EQ(w.Superficie->Imagen(), antes);
    } else {  // half a million lines closer than a pixel: a solid red band
      for (double y = -195; y <= 195; y += 5) EXPECT_EQ(En(w, -300, y), kRojo) << y;
    }
  }
}

TEST_F(EstructuVentana, ProblemCrystalShowsOnlyTheRefusalAndTheButtonsAreInert) {
  estado.Problema = 1;
  Estructu w(estado, dialogos, &principal);
  const QImage antes = w.Superficie->Imagen();
  int oscuros = 0;  // the refusal's text, and not one atom
  for (int y = 0; y < antes.height(); ++y)
    for (int x = 0; x < antes.width(); ++x) {
      oscuros += antes.pixelColor(x, y) == QColor(200, 0, 0);
      ASSERT_NE(antes.pixelColor(x, y), kAzul);
    }
  EXPECT_GT(oscuros, 50);
  w.Command2->click();
  w.Command3->click();  // nor is the crystal turned
  EXPECT_TRUE(w.Superficie->Imagen() == antes && dialogos.mensajes.empty() && w.Command2->toolTip().isEmpty());
  EXPECT_EQ(estado.GiroCristal, 0);
}

TEST_F(EstructuVentana, GiroShowsDegreesAndStoresRadiansOnAceptarOnly) {
  const std::pair<const char*, const char*> pasos[] = {{"90", "Command1"}, {"45", "Command2"}, {"1E308", "Command1"}};
  const char* mostrado[] = {" 0", " 90", " 90"};
  for (int i = 0; i < 3; ++i) {
    Giro g(estado, dialogos, &principal);
    EXPECT_EQ(prueba::Lee(g, "Text1"), mostrado[i]);
    g.show();
    Escribe(g, "Text1", pasos[i].first);
    Pulsa(g, pasos[i].second);
    EXPECT_EQ(g.isVisible(), i == 2);  // radians beyond a double: reported, the dialog stays
    EXPECT_DOUBLE_EQ(estado.GiroCristal, i == 0 ? 1.5708 : ARadianes(90));
  }
  ASSERT_EQ(dialogos.mensajes.size(), 1u);
  EXPECT_EQ(dialogos.mensajes[0].texto.toStdString(), TextoError(codigo::Desbordamiento));
}

double PicoMayor(const Estado& e) {
  const auto mayor = std::max_element(e.Espectro.begin(), e.Espectro.end());
  return e.EspectroMin + (mayor - e.Espectro.begin()) * (e.EspectroMax - e.EspectroMin) / 400;
}

TEST(EstructuraVentana, TurningForAFamilyWhileAScanRunsShowsThatFamilysPeak) {
  prueba::Ventana v;
  v.estado.AVec = v.estado.BVec = 4, v.estado.Theta = ARadianes(90);
  v.Pulsa("Barrido_Lanzar");
  v.Pasos();
  const double sinGirar = PicoMayor(v.estado);
  // The window in its own event loop, as the program runs it, while the scan steps on.
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
  EXPECT_NEAR(PicoMayor(v.estado), 31.63, 0.5);  // 2·arcsin(λ/2d) for the (1, 1) rows, d = 2.828 Å
  EXPECT_GT(std::abs(PicoMayor(v.estado) - sinGirar), 1);
  // "Girar" back to 0: the scan before the turn again.
  v.dialogos.accionesModal.push_back([](QDialog& d) {
    Escribe(d, "Text1", "0");
    Pulsa(d, "Command1");
  });
  v.Pulsa("Cristal_Girar");
  v.Pulsa("Barrido_Lanzar");
  v.Pasos();
  EXPECT_EQ(v.dialogos.modalesVistos, (std::vector<QString>{"Estructu", "Giro"}));
  EXPECT_DOUBLE_EQ(PicoMayor(v.estado), sinGirar);
}

}  // namespace
}  // namespace varlek
