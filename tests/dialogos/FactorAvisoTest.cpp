#include <QLabel>
#include <QLineEdit>

#include "PruebaDialogo.h"
#include "files/Aviso.h"
#include "spectrum/Factor.h"

namespace varlek::prueba {
namespace {

using FactorTest = PruebaDialogo;
using AvisoTest = PruebaDialogo;

TEST_F(FactorTest, AceptarGuardaElFactorLeidoComoFloat) {
  const std::pair<QString, float> casos[] = {{"2", 2}, {"", 0}, {"abc", 0}, {"1,5", 1}, {"-0.1", -0.1f}};
  for (const auto& [texto, esperado] : casos) {
    estado.FactorEscala = 7;
    Factor dialogo(estado, &principal);
    EXPECT_EQ(Lee(dialogo, "Text_Factor"), "");
    dialogo.show();
    Escribe(dialogo, "Text_Factor", texto);
    Pulsa(dialogo, "Command1");
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    EXPECT_EQ(estado.FactorEscala, esperado) << texto.toStdString();
  }
}

TEST_F(FactorTest, CerrarPorElMarcoCancelaSinGuardar) {
  estado.FactorEscala = 7;
  Factor dialogo(estado, &principal);
  dialogo.show();
  Escribe(dialogo, "Text_Factor", "2");
  dialogo.close();
  EXPECT_EQ(dialogo.result(), QDialog::Rejected);
  EXPECT_EQ(estado.FactorEscala, 7);
}

TEST_F(FactorTest, UnFactorFueraDelRangoDeFloatNoSeGuardaYQuedaParaQuienLlama) {
  estado.FactorEscala = 7;
  Factor dialogo(estado, &principal);
  dialogo.show();
  Escribe(dialogo, "Text_Factor", "-4E38");
  Pulsa(dialogo, "Command1");
  EXPECT_EQ(dialogo.result(), QDialog::Accepted);
  EXPECT_EQ(estado.FactorEscala, 7);
  EXPECT_EQ(dialogo.FactorLeido, -4E38);
}

TEST_F(AvisoTest, MuestraElAvisoCompleto) {
  Aviso dialogo(estado, &principal);
  auto* etiqueta = dialogo.findChild<QLabel*>("Label1");
  ASSERT_NE(etiqueta, nullptr);
  EXPECT_EQ(etiqueta->text(),
            "El rango espectral del registro no coincide con el de la pantalla. Al mostrar el registro se borrará el "
            "espectro en pantalla y se perderá la información.");
}

TEST_F(AvisoTest, LaRespuestaEsUnoSoloConAceptar) {
  enum Salida { Aceptar, Cancelar, Marco, Escape };
  const std::pair<Salida, int> casos[] = {{Aceptar, 1}, {Cancelar, 0}, {Marco, 0}, {Escape, 0}};
  for (const auto& [salida, esperada] : casos) {
    estado.RespuestaAviso = 1 - esperada;  // an earlier answer must never survive
    Aviso dialogo(estado, &principal);
    dialogo.show();
    if (salida == Aceptar) Pulsa(dialogo, "Command1");
    if (salida == Cancelar) Pulsa(dialogo, "Command2");
    if (salida == Marco) dialogo.close();
    if (salida == Escape) dialogo.reject();
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(estado.RespuestaAviso, esperada) << salida;
  }
}

}  // namespace
}  // namespace varlek::prueba
