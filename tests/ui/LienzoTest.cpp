#include <gtest/gtest.h>

#include <stdexcept>

#include "apoyo/Aplicacion.h"
#include "apoyo/Referencia.h"
#include "ui/Dialogos.h"
#include "ui/Lienzo.h"

namespace varlek {
namespace {

struct LienzoTest : prueba::ConAplicacion, ::testing::Test {
  void SetUp() override {
    lienzo.resize(100 + 2, 50 + 2);  // a 1-pixel frame around 100 × 50 pixels
    lienzo.FijaColorFondo(Qt::white);
    lienzo.Escala(0, 500, 100, -500);  // as the plot: y grows upwards
  }
  ui::Lienzo lienzo;
};

TEST_F(LienzoTest, OnlyAnExplicitClearErases) {
  lienzo.Linea(0, 250, 100, 250);
  lienzo.show();
  lienzo.hide();
  lienzo.repaint();
  EXPECT_EQ(lienzo.PixelEn(30, 250), QColor(Qt::black));
  lienzo.FijaColorFondo(QColor(255, 255, 192));
  EXPECT_EQ(lienzo.PixelEn(30, 250), QColor(255, 255, 192));
}

// Points of pen width 2, solid and dotted lines, a filled circle and an arc.
// Each pen is set for its scope only, also when an exception leaves it.
TEST_F(LienzoTest, EveryStrokeAsDrawn) {
  {
    ui::PlumaTemporal gruesa(lienzo, 2);
    lienzo.Punto(50, 250);
  }
  lienzo.Linea(0, 400, 100, 400);
  try {
    ui::PlumaTemporal punteada(lienzo, ui::Lienzo::Estilo::Punteado);
    ui::PlumaTemporal roja(lienzo, QColor(255, 0, 0));
    lienzo.Linea(0, 100, 100, 100);
    throw std::runtime_error("fuera del trazo");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(lienzo.AnchoPluma(), 1);
  EXPECT_EQ(lienzo.EstiloLinea(), ui::Lienzo::Estilo::Continuo);
  EXPECT_EQ(lienzo.ColorFrente(), QColor(Qt::black));
  lienzo.Escala(-50, 25, 100, -50);  // square pixels, origin in the middle
  lienzo.FijaRelleno(QColor(0, 0, 255));
  lienzo.Circulo(-30, 0, 8, QColor(Qt::black));
  lienzo.FijaRelleno(std::nullopt);
  lienzo.Arco(30, -5, 16, 0, 3.1416);  // upper half only
  EXPECT_TRUE(prueba::ComoReferencia(lienzo.Imagen(), "trazos"));
}

TEST(Dialogos, FilterListInQtsForm) {
  EXPECT_EQ(ui::FiltrosQt("Todos los ficheros(*.*)|*.*|Ficheros de datos(*.ASC)|*.ASC"),
            QStringList({"Todos los ficheros(*.*)", "Ficheros de datos(*.ASC)"}));
  EXPECT_EQ(ui::FiltrosQt("Datos|*.ASC;*.TXT"), QStringList({"Datos (*.ASC *.TXT)"}));
}

}  // namespace
}  // namespace varlek
