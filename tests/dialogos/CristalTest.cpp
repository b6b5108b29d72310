#include <QLineEdit>

#include "PruebaDialogo.h"
#include "crystal/Cristal.h"

namespace varlek::prueba {
namespace {

const char* const kCamposX[] = {"Text_X1", "Text_X2", "Text_X3", "Text_X4"};
const char* const kCamposY[] = {"Text_Y1", "Text_Y2", "Text_Y3", "Text_Y4"};
const char* const kCamposF[] = {"Text_F1", "Text_F2", "Text_F3", "Text_F4"};

class CristalTest : public PruebaDialogo {
 protected:
  // Opens the dialog, types the given fields and presses "Aceptar".
  void Acepta(std::initializer_list<std::pair<const char*, QString>> campos) {
    Cristal dialogo(estado, dialogos, &principal);
    dialogo.show();
    for (const auto& [nombre, texto] : campos) Escribe(dialogo, nombre, texto);
    Pulsa(dialogo, "Command1");
    EXPECT_FALSE(dialogo.isVisible());
  }
  QString Muestra(const char* nombre) {
    Cristal dialogo(estado, dialogos, &principal);
    return Lee(dialogo, nombre);
  }
};

TEST_F(CristalTest, TrasElArranqueMuestraCeroUnAtomoYFactoresUno) {
  Cristal dialogo(estado, dialogos, &principal);
  for (const char* campo : {"Text_AVec", "Text_BVec", "Text_Theta"}) EXPECT_EQ(Lee(dialogo, campo), " 0") << campo;
  EXPECT_EQ(Lee(dialogo, "Text_At"), " 1");
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Lee(dialogo, kCamposX[i]), " 0");
    EXPECT_EQ(Lee(dialogo, kCamposY[i]), " 0");
    EXPECT_EQ(Lee(dialogo, kCamposF[i]), " 1");
  }
}

TEST_F(CristalTest, AceptarGuardaCadaCampoEnSuVariable) {
  Acepta({{"Text_AVec", "3.5"},
          {"Text_BVec", "4"},
          {"Text_Theta", "60"},
          {"Text_At", "2"},
          {"Text_X1", "0.1"},
          {"Text_Y1", "0.2"},
          {"Text_F1", "0.3"},
          {"Text_X2", "0.4"},
          {"Text_Y2", "0.5"},
          {"Text_F2", "0.6"},
          {"Text_X3", "0.7"},
          {"Text_Y3", "0.8"},
          {"Text_F3", "0.9"},
          {"Text_X4", "-1"},
          {"Text_Y4", "-2"},
          {"Text_F4", "3"}});
  EXPECT_EQ(estado.AVec, 3.5);
  EXPECT_EQ(estado.BVec, 4);
  EXPECT_EQ(estado.Theta, 60 * 6.2832 / 360);
  EXPECT_EQ(estado.NumAtomos, 2);
  // Rows beyond the number of atoms are stored too.
  const double x[] = {0.1, 0.4, 0.7, -1}, y[] = {0.2, 0.5, 0.8, -2};
  const float f[] = {0.3f, 0.6f, 0.9f, 3};
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(estado.AtomoX[i], x[i - 1]) << i;
    EXPECT_EQ(estado.AtomoY[i], y[i - 1]) << i;
    EXPECT_EQ(estado.AtomoF[i], f[i - 1]) << i;
  }
}

TEST_F(CristalTest, LoAceptadoSeMuestraAlReabrir) {
  struct Caso {
    const char* campo;
    QString escrito;
    QString mostrado;
  };
  const Caso casos[] = {
      {"Text_Theta", "-60", " 60"},  // the angle without its sign
      {"Text_Theta", "90", " 90"},   // 89.99999999999999 on the way back, 15 digits shown
      {"Text_X2", "0.25", " .25"},  {"Text_Y4", "-0.5", "-.5"},
      {"Text_F3", "0.1", " .1"},                                       // a float shows 7 digits at most
      {"Text_AVec", "", " 0"},      {"Text_BVec", "1,5", " 1"},        // the comma ends the number
      {"Text_AVec", "abc", " 0"},   {"Text_AVec", " 1 2.5", " 12.5"},  // blanks are skipped inside the number too
  };
  for (const Caso& caso : casos) {
    AsignaValoresIniciales(estado);
    Acepta({{caso.campo, caso.escrito}});
    EXPECT_EQ(Muestra(caso.campo), caso.mostrado) << caso.campo << " " << caso.escrito.toStdString();
  }
}

TEST_F(CristalTest, ElNumeroDeAtomosSeRedondeaAlParMasCercano) {
  const std::pair<QString, int> casos[] = {{"2.5", 2}, {"3.5", 4}, {"1.49", 1}, {"4.5", 4}, {"0.5001", 1}};
  for (const auto& [texto, esperado] : casos) {
    Acepta({{"Text_At", texto}});
    EXPECT_EQ(estado.NumAtomos, esperado) << texto.toStdString();
  }
}

TEST_F(CristalTest, UnNumeroDeAtomosFueraDe1a4SeRechazaSinGuardarNada) {
  for (const QString texto : {"5", "0", "-1", "70000", "abc", "4.51", "0.5", "1E300"}) {
    dialogos.mensajes.clear();
    AsignaValoresIniciales(estado);
    Cristal dialogo(estado, dialogos, &principal);
    dialogo.show();
    Escribe(dialogo, "Text_AVec", "7");
    Escribe(dialogo, "Text_X1", "0.5");
    Escribe(dialogo, "Text_At", texto);
    Pulsa(dialogo, "Command1");
    ASSERT_EQ(dialogos.mensajes.size(), 1u) << texto.toStdString();
    EXPECT_EQ(dialogos.mensajes[0].titulo, "MENSAJE DE ERROR");
    EXPECT_TRUE(dialogos.mensajes[0].texto.contains("entre 1 y 4"));
    EXPECT_TRUE(dialogo.isVisible());
    EXPECT_EQ(Lee(dialogo, "Text_At"), texto);
    EXPECT_EQ(estado.AVec, 0);
    EXPECT_EQ(estado.AtomoX[1], 0);
    EXPECT_EQ(estado.NumAtomos, 1);
  }
}

TEST_F(CristalTest, UnFactorFueraDelRangoDeFloatSeRechazaSinGuardarNada) {
  Cristal dialogo(estado, dialogos, &principal);
  dialogo.show();
  Escribe(dialogo, "Text_AVec", "7");
  Escribe(dialogo, "Text_F4", "1E39");
  Pulsa(dialogo, "Command1");
  ASSERT_EQ(dialogos.mensajes.size(), 1u);
  EXPECT_EQ(dialogos.mensajes[0].titulo, "MENSAJE DE ERROR");
  EXPECT_TRUE(dialogo.isVisible());
  EXPECT_EQ(estado.AVec, 0);
  EXPECT_EQ(estado.AtomoF[4], 1.0f);
}

TEST_F(CristalTest, CancelarYElMarcoNoGuardanNada) {
  for (bool porElMarco : {false, true}) {
    Cristal dialogo(estado, dialogos, &principal);
    dialogo.show();
    Escribe(dialogo, "Text_AVec", "7");
    Escribe(dialogo, "Text_At", "3");
    if (porElMarco) {
      dialogo.close();
    } else {
      Pulsa(dialogo, "Command2");
    }
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(estado.AVec, 0);
    EXPECT_EQ(estado.NumAtomos, 1);
  }
}

TEST_F(CristalTest, EnModoProblemaMuestraMarcasYNoGuardaNada) {
  estado.Problema = 1;
  estado.AVec = 4.42;
  estado.Theta = 3.1416 / 2;
  estado.NumAtomos = 2;
  estado.AtomoX[2] = 0.5;
  Cristal dialogo(estado, dialogos, &principal);
  dialogo.show();
  for (const char* campo : {"Text_AVec", "Text_BVec", "Text_Theta"}) EXPECT_EQ(Lee(dialogo, campo), "XXX") << campo;
  EXPECT_EQ(Lee(dialogo, "Text_At"), "XX");
  for (int i = 0; i < 4; ++i) {
    for (const char* campo : {kCamposX[i], kCamposY[i], kCamposF[i]}) EXPECT_EQ(Lee(dialogo, campo), "XX") << campo;
  }
  Escribe(dialogo, "Text_AVec", "1");
  Escribe(dialogo, "Text_At", "9");  // not even the check of the count runs
  Pulsa(dialogo, "Command1");
  EXPECT_FALSE(dialogo.isVisible());
  EXPECT_TRUE(dialogos.mensajes.empty());
  EXPECT_EQ(estado.AVec, 4.42);
  EXPECT_EQ(estado.Theta, 3.1416 / 2);
  EXPECT_EQ(estado.NumAtomos, 2);
  EXPECT_EQ(estado.AtomoX[2], 0.5);
  EXPECT_EQ(estado.Problema, 1);
}

}  // namespace
}  // namespace varlek::prueba
