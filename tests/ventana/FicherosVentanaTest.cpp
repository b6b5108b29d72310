// "Salvar" and "Cargar" through the main window, and the teachers'
// command-line companion against the window's own scan.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <optional>

#include "apoyo/Entorno.h"
#include "files/FicheroDatos.h"
#include "scan/Barrido.h"
#include "state/Angulos.h"
#include "state/ErrorVarlek.h"
#include "ui/Lienzo.h"
#include "ui/SuperficieVentana.h"

namespace varlek {
namespace {

using prueba::Ventana;

QByteArray Contenido(const QString& ruta) {
  QFile f(ruta);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Escribe(const QString& ruta, const QByteArray& bytes) {
  QFile f(ruta);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

TEST(FicherosVentana, SaveRightAfterStartUpWithTheDialogsSettings) {
  QTemporaryDir dir;
  Ventana v;
  const QString ruta = dir.filePath("espectro inicial ñ.ASC");
  v.dialogos.respuestasFichero.push_back(ruta);
  v.graf->Toolbar1_ButtonClick("guardar");
  QByteArray esperado = "\r\n5\r\n105\r\n";
  for (int i = 0; i < 401; ++i) esperado += "0\r\n";
  EXPECT_EQ(Contenido(ruta), esperado);
  EXPECT_EQ(v.estado.NombreFichero, ruta.toStdString());
  ASSERT_EQ(v.dialogos.ficherosPedidos.size(), 1u);
  const auto& pedido = v.dialogos.ficherosPedidos[0];
  EXPECT_TRUE(pedido.salvar);
  EXPECT_TRUE(pedido.opciones.filtro.endsWith("|*.ASC"));
  EXPECT_EQ(pedido.opciones.filtroInicial, 2);
  EXPECT_TRUE(pedido.opciones.preguntaSobrescribir);
  EXPECT_EQ(v.dialogos.vecesOcupado, 1);
  EXPECT_EQ(v.dialogos.punteroOcupado, 0);
  EXPECT_TRUE(v.dialogos.mensajes.empty());
}

TEST(FicherosVentana, FailedOrCancelledLoadChangesNothing) {
  QTemporaryDir dir;
  QByteArray corto = "\r\n5\r\n105\r\n";
  for (int i = 0; i < 300; ++i) corto += "7\r\n";
  Escribe(dir.filePath("corto.ASC"), corto);
  const std::pair<std::optional<QString>, QString> casos[] = {
      {dir.filePath("corto.ASC"), QString::fromStdString(TextoError(codigo::FinDeFichero))},
      {dir.filePath("no-existe.ASC"), QString::fromStdString(TextoError(codigo::FicheroNoExiste))},
      {std::nullopt, ""},  // the dialog cancelled
  };
  for (const auto& [ruta, mensaje] : casos) {
    Ventana v;
    v.estado.Espectro[3] = 2;
    v.graf->DibujaCurva(v.estado.Espectro);
    Estado esperado = v.estado;
    if (ruta) esperado.NombreFichero = ruta->toStdString();
    const QImage plot = v.graf->Graf_Espectro->Imagen();
    v.dialogos.respuestasFichero.push_back(ruta);
    v.Pulsa("Menu_Fichero_Cargar");
    EXPECT_EQ(v.estado, esperado) << mensaje.toStdString();
    EXPECT_EQ(v.graf->Graf_Espectro->Imagen(), plot);
    EXPECT_EQ(v.dialogos.punteroOcupado, 0);
    ASSERT_EQ(v.dialogos.mensajes.size(), mensaje.isEmpty() ? 0u : 1u);
    if (!mensaje.isEmpty()) {
      EXPECT_EQ(v.dialogos.mensajes[0].titulo, "MENSAJE DE ERROR");
      EXPECT_EQ(v.dialogos.mensajes[0].texto, mensaje);
    }
  }
}

TEST(FicherosVentana, FailedSaveIsReportedCancelledSaveIsNot) {
  Ventana v;
  v.Pulsa("Menu_Fichero_Salvar");  // cancelled
  EXPECT_TRUE(v.dialogos.mensajes.empty());
  EXPECT_EQ(v.dialogos.vecesOcupado, 0);
  EXPECT_TRUE(v.estado.NombreFichero.empty());
  v.dialogos.respuestasFichero.push_back("/dev/full");
  v.Pulsa("Menu_Fichero_Salvar");
  ASSERT_EQ(v.dialogos.mensajes.size(), 1u);
  EXPECT_EQ(v.dialogos.mensajes[0].texto.toStdString(), TextoError(codigo::DiscoLleno));
  struct stat info {};
  ASSERT_EQ(stat("/dev/full", &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode));
  EXPECT_EQ(v.dialogos.punteroOcupado, 0);
}

TEST(FicherosVentana, ALoadedRangeBecomesTheScanRange) {
  QTemporaryDir dir;
  QByteArray fichero = "\"otra\"\r\n20\r\n60\r\n";
  for (int i = 0; i < 401; ++i) fichero += "1.5\r\n";
  Escribe(dir.filePath("r.ASC"), fichero);
  Ventana v;
  v.dialogos.respuestasFichero.push_back(dir.filePath("r.ASC"));
  v.Pulsa("Menu_Fichero_Cargar");
  EXPECT_EQ(v.estado.EspectroMin, 20.0);
  EXPECT_EQ(v.estado.EspectroMax, 60.0f);
  EXPECT_EQ(v.estado.DeltaMin, 20.0);
  EXPECT_EQ(v.estado.DeltaMax, 60.0);
  EXPECT_EQ(v.estado.DeltaRad, ARadianes(20));
  EXPECT_EQ(v.estado.EspectroCabecera, Valor(std::string("otra")));
  EXPECT_EQ(v.graf->Superficie->Textos().front().texto, " 20");
}

TEST(FicherosVentana, CommandLineCompanionWritesTheScansOwnFile) {
  Estado e;
  AsignaValoresIniciales(e);
  e.AVec = 4.5;
  e.BVec = 6;
  e.Theta = ARadianes(75);
  e.NumAtomos = 2;
  e.AtomoX[2] = 0.5;
  e.AtomoY[2] = 0.25;
  e.AtomoF[2] = 0.75f;
  e.LambdaX = 1.2;
  e.GiroCristal = ARadianes(10);
  FijaLimites(e, 10, 70);
  CompletaBarrido(e);

  FILE* salida = popen(VARLEK_BARRIDO
                       " --a 4.5 --b 6 --angulo 75 --atomo 0,0,1 --atomo 0.5,0.25,0.75 --lambda 1.2 --min 10 --max 70 "
                       "--giro 10",
                       "r");
  ASSERT_NE(salida, nullptr);
  std::string bytes;
  char trozo[4096];
  for (size_t n; (n = fread(trozo, 1, sizeof trozo, salida)) > 0;) bytes.append(trozo, n);
  EXPECT_EQ(pclose(salida), 0);
  EXPECT_EQ(bytes, TextoDatos(DatosDePantalla(e)));
}

}  // namespace
}  // namespace varlek
