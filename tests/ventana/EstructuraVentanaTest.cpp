// The structure window and the rotation dialog, alone and from the main
// window: what they draw, what they store, and what a scan makes of it.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "apoyo/Entorno.h"
#include "apoyo/Referencia.h"
#include "dialogos/PruebaDialogo.h"
#include "state/Angulos.h"
#include "structure/Estructu.h"
#include "structure/Giro.h"
#include "ui/Lienzo.h"

namespace varlek {
namespace {

using prueba::Escribe;
using prueba::Pulsa;

// The worked crystal: a = b = 4 Å at 90°, one atom of factor 1 at the corner.
struct EstructuVentana : prueba::PruebaDialogo {
  EstructuVentana() { estado.AVec = estado.BVec = 4, estado.Theta = ARadianes(90); }
};

// The lattice, the families (0, 1) and (1, 1) with a dotted construction
// line, then (1, 1) levelled: a runs at 225° and the lines are gone.
TEST_F(EstructuVentana, WorkedCrystalFamiliesConstructionLinesAndTurning) {
  Estructu w(estado, dialogos, &principal);
  EXPECT_TRUE(prueba::ComoReferencia(w, "Estructu"));
  Escribe(w, "Text_a", "0");
  Escribe(w, "Text_b", "1");
  EXPECT_EQ(w.Command2->text(), "Dibujar familia [ 0, 1]");
  Pulsa(w, "Command2");
  Escribe(w, "Text_a", "1");
  Pulsa(w, "Command2");
  for (const auto& [x, y] : {std::pair{-450, 300}, {-250, 300}, {-450, 350}}) w.Superficie->AlPulsar(1, x, y);
  EXPECT_TRUE(prueba::ComoReferencia(w.Superficie->Imagen(), "familias"));
  Pulsa(w, "Command3");
  EXPECT_TRUE(prueba::ComoReferencia(w.Superficie->Imagen(), "nivelado"));
  EXPECT_TRUE(dialogos.mensajes.empty());
}

// Atoms of any factor are drawn; a family without spacing only reports; a
// family half a million lines deep is a solid band; a problem crystal shows
// only the refusal, and the buttons are inert.
TEST_F(EstructuVentana, AnyFactorIsDrawnFamiliesWithoutSpacingOnlyReportAndProblemCrystalsStayHidden) {
  estado.NumAtomos = 2, estado.AtomoF[1] = 0.25f, estado.AtomoF[2] = 2.5f;
  estado.AtomoX[2] = estado.AtomoY[2] = 0.5;
  Estructu w(estado, dialogos, &principal);
  const QImage antes = w.Superficie->Imagen();
  Escribe(w, "Text_a", "0");
  Escribe(w, "Text_b", "0");
  w.Command2->click();
  ASSERT_EQ(dialogos.mensajes.size(), 1u);
  EXPECT_EQ(dialogos.mensajes[0].texto.toStdString(), TextoError(codigo::DivisionPorCero));
  EXPECT_EQ(w.Superficie->Imagen(), antes);
  Escribe(w, "Text_a", "40000");
  Escribe(w, "Text_b", "40000");
  w.Command2->click();
  EXPECT_TRUE(prueba::ComoReferencia(w.Superficie->Imagen(), "factores-y-banda"));

  estado.Problema = 1, estado.NumAtomos = 1, estado.AtomoF[1] = 1;  // blue atoms, were they drawn
  Estructu p(estado, dialogos, &principal);
  EXPECT_TRUE(prueba::ComoReferencia(p.Superficie->Imagen(), "problema"));
  p.Command2->click();
  p.Command3->click();  // nor is the crystal turned
  EXPECT_TRUE(prueba::ComoReferencia(p.Superficie->Imagen(), "problema"));
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
    if (i == 0) {
      EXPECT_TRUE(prueba::ComoReferencia(g, "Giro"));
    }
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
