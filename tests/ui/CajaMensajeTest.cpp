#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "apoyo/Aplicacion.h"
#include "apoyo/Referencia.h"
#include "crystal/CristalesProblema.h"
#include "state/ErrorVarlek.h"
#include "ui/CajaMensaje.h"
#include "ui/Dialogos.h"

namespace varlek {
namespace {

struct CajaMensajeTest : prueba::ConAplicacion, ::testing::Test {};

// Every text the program shows in a box, whole: wrapped into readable lines,
// no caption cut, no wider than the main window (724 pixels).
TEST_F(CajaMensajeTest, EveryTextShowsWholeInABoxNoWiderThanTheMainWindow) {
  std::vector<std::pair<QString, std::string>> cajas = {
      {ui::kTituloInformacion, "Barrido terminado"},
      {ui::kTituloError, "El número de átomos en la celda unidad debe estar entre 1 y 4"}};
  for (int n = 1; n <= 5; ++n) {
    cajas.emplace_back(ui::kTituloInformacion, AvisoCristalProblema(n));
    cajas.emplace_back(ui::kTituloInformacion, ConfirmacionCristalProblema(n));
  }
  for (int codigoError : {52, 53, 62, 64, 71, 75, 76}) cajas.emplace_back(ui::kTituloError, TextoError(codigoError));
  for (const auto& [titulo, texto] : cajas) {
    ui::CajaMensaje caja(nullptr, titulo, QString::fromStdString(texto));
    caja.show();
    EXPECT_EQ(caja.findChild<QLabel*>("Texto")->text().toStdString(), texto);
    EXPECT_EQ(prueba::Recortados(caja), QStringList()) << texto;
    EXPECT_LE(caja.width(), 724) << texto;
  }
  // The longest, as the student sees it.
  ui::CajaMensaje aviso(nullptr, ui::kTituloInformacion, QString::fromStdString(AvisoCristalProblema(1)));
  aviso.show();
  EXPECT_TRUE(prueba::ComoReferencia(aviso, "caja-aviso"));

  // A question answers with the button pressed; Escape is no answer.
  ui::CajaMensaje pregunta(nullptr, "t", "¿Reemplazar?", {"Sí", "No"});
  QTimer::singleShot(0, &pregunta, [&] { pregunta.findChild<QPushButton*>("Sí")->click(); });
  EXPECT_EQ(pregunta.Pregunta(), 0);
  QTimer::singleShot(0, &pregunta, [&] { pregunta.reject(); });
  EXPECT_EQ(pregunta.Pregunta(), -1);
}

}  // namespace
}  // namespace varlek
