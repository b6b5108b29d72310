#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "apoyo/Comun.h"
#include "apoyo/Entorno.h"
#include "apoyo/Referencia.h"
#include "guide/DocumentoQt.h"
#include "guide/LectorRtf.h"

namespace varlek::prueba {
namespace {

// The guide's labels of the main window, with chapters in the start directory.
struct GuionVentana : ::testing::Test {
  Ventana v;
  QTemporaryDir inicio;
  QStringList vistos;  // the chapter's text, or the about box's version line

  void SetUp() override { v.estado.DirectorioInicial = inicio.path().toStdString(); }
  // A left click on a label, as the mouse gives it; the window it opens is
  // looked at (and compared with its picture) and closed by its button.
  void Pincha(const char* etiqueta, const char* referencia = nullptr) {
    v.dialogos.accionesModal.push_back([this, referencia](QDialog& d) {
      if (referencia != nullptr) {
        EXPECT_TRUE(ComoReferencia(d, referencia));
      }
      if (auto* texto = d.findChild<QTextBrowser*>("Texto")) vistos << texto->toPlainText();
      if (auto* version = d.findChild<QLabel*>("Label8")) vistos << version->text();
      prueba::Pulsa(d, "Command1");
      EXPECT_FALSE(d.isVisible()) << d.objectName().toStdString();
    });
    auto* label = v.graf->findChild<QLabel*>(etiqueta);
    ASSERT_NE(label, nullptr);
    QMouseEvent evento(QEvent::MouseButtonPress, QPointF(5, 5), label->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &evento);
  }
};

// Every link opens its chapter from the start directory (not the working
// one); one missing there comes from the copy built in. The about box shows
// the version.
TEST_F(GuionVentana, EachLinkOpensItsChapterFromTheStartDirectoryAndTheAboutBoxItsVersion) {
  QFile copia(":/guion/Simula.rtf");
  ASSERT_TRUE(copia.open(QIODevice::ReadOnly));
  QTextDocument incorporado;
  guia::ConstruyeDocumento(guia::LeeRtf(copia.readAll().toStdString()), incorporado);
  ASSERT_FALSE(incorporado.toPlainText().trimmed().isEmpty());
  for (const std::string nombre : {"Intro", "Programa"})  // chapters that name themselves
    EscribeFichero(inicio.filePath(QString::fromStdString(nombre) + ".rtf").toStdString(),
                   "{\\rtf1 " + nombre + "\\par}");
  Pincha("Label3", "Guion");
  for (const char* etiqueta : {"Label4", "Label5"}) Pincha(etiqueta);
  Pincha("Label6", "Acerca");
  ASSERT_EQ(vistos.size(), 4);
  EXPECT_EQ(vistos.mid(0, 3), (QStringList{"Intro", "Programa", incorporado.toPlainText()}));
  EXPECT_TRUE(QRegularExpression("^Versión \\d+\\.\\d+").match(vistos[3]).hasMatch()) << vistos[3].toStdString();
}

}  // namespace
}  // namespace varlek::prueba
