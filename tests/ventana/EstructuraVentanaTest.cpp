// The structure window and the rotation dialog, alone and from the main
// window: what they draw, what they store, and what a scan makes of it.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "apoyo/Entorno.h"
#include "dialogos/PruebaDialogo.h"
#include "state/Angulos.h"
#include "state/ErrorVarlek.h"
#include "structure/Estructu.h"
#include "structure/Giro.h"
#include "ui/Lienzo.h"

namespace varlek {
namespace {

using prueba::CristalDePrueba;
using prueba::Escribe;
using prueba::Lee;
using prueba::Pulsa;

const QColor kFondo(255, 255, 192), kAzul(0, 0, 255), kRojo(255, 0, 0);

// The worked crystal: a = b = 4 Å at 90°, one atom of factor 1 at the corner.
void CristalCuadrado(Estado& e) {
  e.AVec = e.BVec = 4;
  e.Theta = ARadianes(90);
}

struct EstructuVentana : prueba::PruebaDialogo {
  EstructuVentana() { CristalCuadrado(estado); }
  int CuentaColor(const Estructu& w, const QColor& color) const {
    const QImage& imagen = w.Superficie->Imagen();
    int n = 0;
    for (int y = 0; y < imagen.height(); ++y)
      for (int x = 0; x < imagen.width(); ++x) n += imagen.pixelColor(x, y) == color;
    return n;
  }
};

TEST_F(EstructuVentana, WorkedCrystalIsAGridOfOutlinedLightBlueAtomsAndTypingOnlyRelabels) {
  Estructu w(estado, dialogos, &principal);
  EXPECT_EQ(w.windowTitle(), "Estructura del cristal");
  EXPECT_EQ(w.Superficie->geometry(), w.rect());
  EXPECT_EQ(w.Text_a->text(), " 0");
  EXPECT_EQ(w.Text_b->text(), " 1");
  EXPECT_EQ(w.Command2->text(), "Dibujar familia [ 0, 1]");
  for (int i = -5; i <= 5; ++i) {
    for (int j = -5; j <= 5; ++j) {
      EXPECT_EQ(w.Superficie->PixelEn(40 * i, 40 * j), kAzul) << i << "," << j;
      EXPECT_EQ(w.Superficie->PixelEn(40 * i + 20, 40 * j + 20), kFondo) << i << "," << j;
    }
  }
  EXPECT_EQ(w.Superficie->PixelEn(260, 0), kFondo);  // no twelfth column
  const QPoint centro = w.Superficie->APixel(0, 0);
  const int radio = std::lround(10 * (w.Superficie->Imagen().width() - 1) / 1000.0);
  EXPECT_EQ(w.Superficie->Imagen().pixelColor(centro + QPoint(radio, 0)), QColor(Qt::black));
  EXPECT_EQ(w.Superficie->Imagen().pixelColor(centro + QPoint(radio + 2, 0)), kFondo);

  const QImage antes = w.Superficie->Imagen();
  const QString consejo = w.Command2->toolTip();
  EXPECT_TRUE(consejo.startsWith("Espaciado d = 4 Å")) << consejo.toStdString();
  w.Text_a->setText("2");
  EXPECT_EQ(w.Command2->text(), "Dibujar familia [ 2, 1]");
  EXPECT_NE(w.Command2->toolTip(), consejo);
  w.Text_a->setText("-1");
  w.Text_b->setText("99999");  // held at the largest 16-bit index, as the button draws it
  EXPECT_EQ(w.Command2->text(), "Dibujar familia [-1, 32767]");
  EXPECT_EQ(estado.IndiceH, -1);
  EXPECT_EQ(estado.IndiceK, 32767);
  EXPECT_EQ(w.Superficie->Imagen(), antes);
  EXPECT_TRUE(dialogos.mensajes.empty());
}

TEST_F(EstructuVentana, FamilyPressesAddLinesAndClicksPairIntoDottedLines) {
  Estructu w(estado, dialogos, &principal);
  w.show();
  Pulsa(w, "Command2");  // (0, 1): 9 lines, -160 to 160
  for (int n = -4; n <= 4; ++n) EXPECT_EQ(w.Superficie->PixelEn(20, 40 * n), kRojo) << n;
  EXPECT_EQ(w.Superficie->PixelEn(20, 200), kFondo);
  EXPECT_EQ(w.Superficie->PixelEn(-470, 40), kFondo);
  EXPECT_EQ(w.Superficie->PixelEn(430, 40), kFondo);
  w.Text_a->setText("1");
  Pulsa(w, "Command2");  // (1, 1) added: 15 lines 28.28 apart
  EXPECT_EQ(w.Superficie->PixelEn(20, 40), kRojo);
  EXPECT_EQ(w.Superficie->PixelEn(20, 28.28), kRojo);
  EXPECT_EQ(w.Superficie->PixelEn(20, -7 * 28.28), kRojo);
  EXPECT_EQ(w.Superficie->PixelEn(20, 12), kFondo);

  const int desde = w.Superficie->APixel(-440, 0).x(), hasta = w.Superficie->APixel(-260, 0).x();
  auto azulesEn = [&](double y) {
    const int fila = w.Superficie->APixel(0, y).y();
    int n = 0;
    for (int x = desde; x <= hasta; ++x) n += w.Superficie->Imagen().pixelColor(x, fila) == kAzul;
    return n;
  };
  const QImage sinLineas = w.Superficie->Imagen();
  w.Superficie->AlPulsar(1, -450, 300);
  EXPECT_EQ(w.Superficie->Imagen(), sinLineas);
  w.Superficie->AlPulsar(2, -250, 300);
  const int pixeles = hasta - desde + 1;
  EXPECT_GT(azulesEn(300), pixeles / 4);  // dotted: some pixels, not all
  EXPECT_LT(azulesEn(300), pixeles * 3 / 4);
  w.Superficie->AlPulsar(1, -450, 350);
  EXPECT_EQ(azulesEn(350), 0);
  w.Superficie->AlPulsar(1, -250, 350);
  EXPECT_GT(azulesEn(350), pixeles / 4);
  EXPECT_EQ(estado.ContadorClic, 5);

  // Levelling (1, 1) repaints: the turned crystal, no family, no lines.
  Pulsa(w, "Command3");
  EXPECT_NEAR(estado.GiroCristal, 3.1416 + 3.1416 / 4, 1e-4);
  EXPECT_EQ(azulesEn(300), 0);
  EXPECT_EQ(CuentaColor(w, kRojo), 0);
  EXPECT_EQ(w.Superficie->PixelEn(0, 0), kAzul);
  EXPECT_EQ(w.Superficie->PixelEn(40, 0), kFondo);  // a now runs at 225°
  EXPECT_EQ(w.Superficie->PixelEn(-40 * std::sqrt(0.5), -40 * std::sqrt(0.5)), kAzul);
  EXPECT_TRUE(dialogos.mensajes.empty());
  // Reopened: the indices kept, the clicks counted afresh.
  Estructu otra(estado, dialogos, &principal);
  EXPECT_EQ(otra.Command2->text(), "Dibujar familia [ 1, 1]");
  EXPECT_EQ(estado.ContadorClic, 1);
}

TEST_F(EstructuVentana, AnyFactorIsDrawnAndFamiliesWithoutSpacingReportOnly) {
  estado.NumAtomos = 2;
  estado.AtomoF[1] = 0.25f;  // beyond white
  estado.AtomoX[2] = estado.AtomoY[2] = 0.5;
  estado.AtomoF[2] = 2.5f;  // beyond black
  Estructu w(estado, dialogos, &principal);
  EXPECT_EQ(w.Superficie->PixelEn(0, 0), QColor(Qt::white));
  EXPECT_EQ(w.Superficie->PixelEn(20, 20), QColor(Qt::black));
  EXPECT_EQ(w.Superficie->PixelEn(-180, -180), QColor(Qt::black));  // the last cell drawn too
  EXPECT_TRUE(dialogos.mensajes.empty());

  struct Caso {
    double a;
    const char *h, *k;
    int codigo;  // 0: drawn
  };
  const Caso casos[] = {{4, "0", "0", codigo::DivisionPorCero},
                        {0, "1", "1", codigo::DivisionPorCero},
                        {1e-30, "1", "0", codigo::Desbordamiento},
                        {4, "40000", "40000", 0}};
  for (const Caso& c : casos) {
    estado.AVec = c.a;
    const QImage antes = w.Superficie->Imagen();
    dialogos.mensajes.clear();
    w.Text_a->setText(c.h);
    w.Text_b->setText(c.k);
    w.Command2->click();
    if (c.codigo != 0) {
      ASSERT_EQ(dialogos.mensajes.size(), 1u) << c.a;
      EXPECT_EQ(dialogos.mensajes[0].titulo, "MENSAJE DE ERROR");
      EXPECT_EQ(dialogos.mensajes[0].texto.toStdString(), TextoError(c.codigo));
      EXPECT_EQ(w.Superficie->Imagen(), antes) << c.a;
    } else {
      // Half a million lines closer than a pixel: a solid red band 400 units high.
      EXPECT_TRUE(dialogos.mensajes.empty());
      for (double y = -195; y <= 195; y += 5) EXPECT_EQ(w.Superficie->PixelEn(-300, y), kRojo) << y;
      EXPECT_EQ(w.Superficie->PixelEn(-300, 220), kFondo);
    }
  }
}

TEST_F(EstructuVentana, ProblemCrystalShowsOnlyTheRefusalAndTheFamilyButtonIsInert) {
  estado.Problema = 1;
  Estructu w(estado, dialogos, &principal);
  EXPECT_GT(CuentaColor(w, QColor(200, 0, 0)), 50);
  EXPECT_EQ(CuentaColor(w, kAzul), 0);
  const QPoint texto = w.Superficie->APixel(-450, 0);
  const QImage& imagen = w.Superficie->Imagen();
  int primera = imagen.width();  // the sentence starts at (-450, 0) and runs right
  for (int y = texto.y(); y < texto.y() + 25; ++y)
    for (int x = 0; x < imagen.width(); ++x)
      if (imagen.pixelColor(x, y) == QColor(200, 0, 0)) primera = std::min(primera, x);
  EXPECT_LE(std::abs(primera - texto.x()), 3);
  EXPECT_TRUE(w.Command2->toolTip().isEmpty());
  const QImage antes = imagen;
  w.Command2->click();
  EXPECT_EQ(w.Superficie->Imagen(), antes);
  EXPECT_TRUE(dialogos.mensajes.empty());
}

TEST_F(EstructuVentana, GiroShowsDegreesAndStoresRadiansOnAceptarOnly) {
  {
    Giro g(estado, dialogos, &principal);
    EXPECT_TRUE(g.windowTitle().trimmed().isEmpty());
    EXPECT_EQ(Lee(g, "Text1"), " 0");
    g.show();
    Escribe(g, "Text1", "90");
    Pulsa(g, "Command1");
    EXPECT_FALSE(g.isVisible());
  }
  EXPECT_DOUBLE_EQ(estado.GiroCristal, 1.5708);
  Giro g(estado, dialogos, &principal);
  EXPECT_EQ(Lee(g, "Text1"), " 90");
  g.show();
  Escribe(g, "Text1", "45");
  Pulsa(g, "Command2");
  EXPECT_DOUBLE_EQ(estado.GiroCristal, 1.5708);
  // Degrees whose radians overflow: reported, nothing stored, still open.
  Giro h(estado, dialogos, &principal);
  h.show();
  Escribe(h, "Text1", "1E308");
  Pulsa(h, "Command1");
  EXPECT_TRUE(h.isVisible());
  EXPECT_DOUBLE_EQ(estado.GiroCristal, 1.5708);
  ASSERT_EQ(dialogos.mensajes.size(), 1u);
  EXPECT_EQ(dialogos.mensajes[0].texto.toStdString(), TextoError(codigo::Desbordamiento));
}

// The scattering angle of the strongest point of a scan.
double PicoMayor(const Estado& e) {
  const auto mayor = std::max_element(e.Espectro.begin(), e.Espectro.end());
  return e.EspectroMin + (mayor - e.Espectro.begin()) * (e.EspectroMax - e.EspectroMin) / 400;
}

TEST(EstructuraVentana, TurningForAFamilyThenScanningShowsThatFamilysPeak) {
  prueba::Ventana v;
  CristalCuadrado(v.estado);
  v.Pulsa("Barrido_Lanzar");
  v.Pasos();
  const double sinGirar = PicoMayor(v.estado);
  v.dialogos.accionesModal.push_back([](QDialog& d) {
    Escribe(d, "Text_a", "1");
    Pulsa(d, "Command3");
    Pulsa(d, "Command1");
  });
  v.graf->Toolbar1_ButtonClick("cristal");
  EXPECT_EQ(v.dialogos.modalesVistos, std::vector<QString>{"Estructu"});
  v.Pulsa("Barrido_Lanzar");
  v.Pasos();
  // 2θ = 2·arcsin(λ/2d): 31.63° for the (1, 1) rows, 2.828 Å apart.
  EXPECT_NEAR(PicoMayor(v.estado), 31.63, 0.5);
  EXPECT_GT(std::abs(PicoMayor(v.estado) - sinGirar), 1);

  // The rotation typed in "Girar" turns the next scan too: back to 0.
  v.dialogos.accionesModal.push_back([](QDialog& d) {
    Escribe(d, "Text1", "0");
    Pulsa(d, "Command1");
  });
  v.Pulsa("Cristal_Girar");
  EXPECT_EQ(v.dialogos.modalesVistos.back(), "Giro");
  v.Pulsa("Barrido_Lanzar");
  v.Pasos();
  EXPECT_DOUBLE_EQ(PicoMayor(v.estado), sinGirar);
}

TEST(EstructuraVentana, ARunningScanKeepsSteppingWhileTheWindowIsOpen) {
  prueba::Ventana v;
  CristalDePrueba(v.estado);
  v.Pulsa("Barrido_Lanzar");
  const double inicio = v.estado.DeltaRad;
  double abierta = inicio;
  // The window run as the program runs it: in its own event loop.
  v.dialogos.accionesModal.push_back([&](QDialog& d) {
    QTimer::singleShot(400, &d, [&] {
      abierta = v.estado.DeltaRad;
      d.accept();
    });
    d.exec();
  });
  v.Pulsa("Cristal_Mostrar");
  EXPECT_GE(abierta - inicio, 2 * ARadianes(v.estado.PasoDelta) - 1e-12);
  EXPECT_TRUE(v.graf->Reloj.isActive());
  v.Pulsa("Barrido_Detener");
}

}  // namespace
}  // namespace varlek
