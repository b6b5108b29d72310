#include <string>
#include <utility>

#include "PruebaDialogo.h"
#include "apoyo/Impresion.h"
#include "crystal/Cristal.h"

namespace varlek::prueba {
namespace {

using CristalTest = PruebaDialogo;

struct Caso {
  const char* campo;
  QString escrito;
  double guardado;
  QString mostrado;
};
constexpr double kMenos60Grados = -60 * 6.2832 / 360;

// a, b and the angle first, then a text for every field, each stored value
// distinct so that a field going into another's variable shows: the comma
// ends a number, the angle is shown without its sign, a float shows 7 digits
// at most, rows 3 and 4 lie beyond the number of atoms and are stored all the
// same, and a half atom goes to the even neighbour.
const Caso kCampos[] = {
    {"Text_AVec", "", 0, " 0"},        {"Text_BVec", "1,5", 1, " 1"},    {"Text_Theta", "-60", kMenos60Grados, " 60"},
    {"Text_X1", "0.25", 0.25, " .25"}, {"Text_Y1", "-0.5", -0.5, "-.5"}, {"Text_F1", "0.1", 0.1f, " .1"},
    {"Text_X2", "2", 2, " 2"},         {"Text_Y2", "3", 3, " 3"},        {"Text_F2", "4", 4, " 4"},
    {"Text_X3", "5", 5, " 5"},         {"Text_Y3", "6", 6, " 6"},        {"Text_F3", "7", 7, " 7"},
    {"Text_X4", "8", 8, " 8"},         {"Text_Y4", "9", 9, " 9"},        {"Text_F4", "10", 10, " 10"},
    {"Text_At", "2.5", 2, " 2"},
};

// The variable a field is stored in.
double Variable(const Estado& e, const std::string& campo) {
  if (campo == "Text_AVec") return e.AVec;
  if (campo == "Text_BVec") return e.BVec;
  if (campo == "Text_Theta") return e.Theta;
  if (campo == "Text_At") return e.NumAtomos;
  const int fila = campo.back() - '0';
  return campo[5] == 'X' ? e.AtomoX[fila] : campo[5] == 'Y' ? e.AtomoY[fila] : e.AtomoF[fila];
}

TEST_F(CristalTest, AceptarStoresEveryFieldAndReopeningShowsIt) {
  estado.AVec = estado.BVec = 7;
  Cristal dialogo(estado, dialogos, &principal);
  dialogo.show();
  for (const Caso& c : kCampos) Escribe(dialogo, c.campo, c.escrito);
  Pulsa(dialogo, "Command1");
  EXPECT_FALSE(dialogo.isVisible());
  Cristal reabierto(estado, dialogos, &principal);
  for (const Caso& c : kCampos) {
    EXPECT_EQ(Variable(estado, c.campo), c.guardado) << c.campo;
    EXPECT_EQ(Lee(reabierto, c.campo), c.mostrado) << c.campo;
  }
  // 90 comes back as 89.99999999999999, which 15 digits show as 90.
  reabierto.show();
  Escribe(reabierto, "Text_Theta", "90");
  Escribe(reabierto, "Text_At", "3.5");
  Pulsa(reabierto, "Command1");
  EXPECT_EQ(estado.NumAtomos, 4);
  Cristal tercero(estado, dialogos, &principal);
  EXPECT_EQ(Lee(tercero, "Text_Theta"), " 90");
}

// A count outside 1 to 4 (or beyond 16 bits) or a factor beyond the float
// range is refused: a message, nothing stored, the dialog open with the text.
TEST_F(CristalTest, AnImpossibleNumberIsRefusedStoringNothing) {
  const std::pair<const char*, QString> casos[] = {
      {"Text_At", "5"}, {"Text_At", "0"}, {"Text_At", "70000"}, {"Text_F4", "1E39"}};
  for (const auto& [campo, texto] : casos) {
    const QString mensaje = campo == std::string("Text_At") ? "entre 1 y 4" : "Error  6: Desbordamiento";
    dialogos.mensajes.clear();
    const Estado antes = estado;
    Cristal dialogo(estado, dialogos, &principal);
    dialogo.show();
    Escribe(dialogo, "Text_AVec", "7");
    Escribe(dialogo, campo, texto);
    Pulsa(dialogo, "Command1");
    ASSERT_EQ(dialogos.mensajes.size(), 1u) << texto.toStdString();
    EXPECT_EQ(dialogos.mensajes[0].titulo, "MENSAJE DE ERROR");
    EXPECT_TRUE(dialogos.mensajes[0].texto.contains(mensaje)) << dialogos.mensajes[0].texto.toStdString();
    EXPECT_TRUE(dialogo.isVisible());
    EXPECT_EQ(Lee(dialogo, campo), texto);
    EXPECT_EQ(estado, antes);
    Pulsa(dialogo, "Command2");  // "Cancelar" stores nothing either
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(estado, antes);
  }
}

TEST_F(CristalTest, InProblemModeShowsPlaceholdersAndStoresNothing) {
  estado.Problema = 1;
  estado.AVec = 4.42;
  estado.NumAtomos = 2;
  Cristal dialogo(estado, dialogos, &principal);
  dialogo.show();
  for (const Caso& c : kCampos) EXPECT_EQ(Lee(dialogo, c.campo), &c < kCampos + 3 ? "XXX" : "XX") << c.campo;
  Escribe(dialogo, "Text_AVec", "1");
  Escribe(dialogo, "Text_At", "9");  // not even the count is checked
  Pulsa(dialogo, "Command1");
  EXPECT_FALSE(dialogo.isVisible());
  EXPECT_TRUE(dialogos.mensajes.empty());
  EXPECT_EQ(estado.AVec, 4.42);
  EXPECT_EQ(estado.NumAtomos, 2);
}

}  // namespace
}  // namespace varlek::prueba
