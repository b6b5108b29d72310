#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "apoyo/Entorno.h"
#include "guide/DocumentoQt.h"
#include "guide/LectorRtf.h"

namespace varlek::prueba {
namespace {

// A chapter long enough to scroll, with a word of its own.
QByteArray CapituloLargo(const QString& marca) {
  QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252 " + marca.toUtf8() + "\\par ";
  for (int i = 0; i < 300; ++i) rtf += "L\\'ednea " + QByteArray::number(i) + "\\par ";
  return rtf + "}";
}

void Escribe(const QString& ruta, const QByteArray& bytes) {
  QFile f(ruta);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// A left click on one of the main window's labels, as the mouse gives it.
void Pincha(Graf& graf, const char* etiqueta) {
  auto* label = graf.findChild<QLabel*>(etiqueta);
  ASSERT_NE(label, nullptr);
  QMouseEvent evento(QEvent::MouseButtonPress, QPointF(5, 5), label->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(label, &evento);
}

struct Visto {
  QString ventana, texto;
  int desplazamiento = -1, maximo = -1;
  bool editable = true;
};

struct GuionVentana : ::testing::Test {
  Ventana v;
  QTemporaryDir inicio, otro;
  QString anterior = QDir::currentPath();
  std::vector<Visto> vistos;

  void SetUp() override {
    v.estado.DirectorioInicial = inicio.path().toStdString();
    QDir::setCurrent(otro.path());
  }
  void TearDown() override { QDir::setCurrent(anterior); }
  // The next modal window is looked at, scrolled to its end and closed by `boton`.
  void Mira(const char* boton = "Command1") {
    v.dialogos.accionesModal.push_back([this, boton](QDialog& d) {
      Visto visto;
      visto.ventana = d.objectName();
      if (auto* texto = d.findChild<QTextBrowser*>("Texto")) {
        visto.texto = texto->toPlainText();
        visto.desplazamiento = texto->verticalScrollBar()->value();
        visto.maximo = texto->verticalScrollBar()->maximum();
        visto.editable = !texto->isReadOnly();
        texto->verticalScrollBar()->setValue(visto.maximo);
      }
      vistos.push_back(visto);
      prueba::Pulsa(d, boton);
      EXPECT_FALSE(d.isVisible());
    });
  }
};

TEST_F(GuionVentana, EachLinkOpensItsChapterFromTheStartDirectory) {
  const std::pair<const char*, const char*> enlaces[] = {
      {"Label3", "Intro.rtf"}, {"Label4", "Programa.rtf"}, {"Label5", "Simula.rtf"}};
  for (const auto& [etiqueta, fichero] : enlaces) {
    Escribe(inicio.filePath(fichero), CapituloLargo(fichero));
    Escribe(otro.filePath(fichero), CapituloLargo("equivocado"));
  }
  // Each link twice: every opening is a fresh window on its own chapter, at its top.
  for (int vuelta = 0; vuelta < 2; ++vuelta) {
    for (const auto& [etiqueta, fichero] : enlaces) {
      Mira();
      Pincha(*v.graf, etiqueta);
      ASSERT_FALSE(vistos.empty());
      const Visto& visto = vistos.back();
      EXPECT_EQ(visto.ventana, "Guion");
      EXPECT_TRUE(visto.texto.startsWith(QString(fichero) + "\nLínea 0\n")) << fichero;
      EXPECT_EQ(visto.desplazamiento, 0) << fichero;
      EXPECT_GT(visto.maximo, 0) << fichero;
      EXPECT_FALSE(visto.editable);
    }
  }
  EXPECT_EQ(vistos.size(), 6u);
}

// A chapter missing from the start directory comes from the copy built in;
// an unreadable file shows what could be read.
TEST_F(GuionVentana, AMissingChapterComesFromTheBuiltInCopy) {
  QFile copia(":/guion/Simula.rtf");
  ASSERT_TRUE(copia.open(QIODevice::ReadOnly));
  QTextDocument esperado;
  guia::ConstruyeDocumento(guia::LeeRtf(copia.readAll().toStdString()), esperado);
  ASSERT_FALSE(esperado.toPlainText().trimmed().isEmpty());
  Escribe(otro.filePath("Simula.rtf"), CapituloLargo("equivocado"));
  Mira();
  Pincha(*v.graf, "Label5");
  Escribe(inicio.filePath("Intro.rtf"), "{\\rtf1 {\\b roto \\'e1\\bin999999 ");
  Mira();
  Pincha(*v.graf, "Label3");
  ASSERT_EQ(vistos.size(), 2u);
  EXPECT_EQ(vistos[0].texto, esperado.toPlainText());
  EXPECT_EQ(vistos[1].texto, "roto á");
}

TEST_F(GuionVentana, AboutBoxShowsItsTexts) {
  QStringList detalles;
  v.dialogos.accionesModal.push_back([&](QDialog& d) {
    EXPECT_EQ(d.objectName(), "Acerca");
    for (const char* nombre : {"Label2", "Label4", "Label7", "Label6", "Label5", "Label9", "Label8"}) {
      auto* etiqueta = d.findChild<QLabel*>(nombre);
      ASSERT_NE(etiqueta, nullptr) << nombre;
      detalles << etiqueta->text();
    }
    prueba::Pulsa(d, "Command1");
    EXPECT_EQ(d.result(), QDialog::Accepted);
  });
  Pincha(*v.graf, "Label6");
  EXPECT_EQ(v.dialogos.modalesVistos, std::vector<QString>{"Acerca"});
  EXPECT_TRUE(QRegularExpression("^Versión \\d+\\.\\d+").match(detalles.last()).hasMatch())
      << detalles.last().toStdString();
  EXPECT_FALSE(detalles.join(" ").contains('@'));
}

}  // namespace
}  // namespace varlek::prueba
