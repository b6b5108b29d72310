// "Salvar" and "Cargar" through the main window, and the teachers'
// command-line companion against the window's own scan.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

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

TEST(FicherosVentana, SaveRightAfterStartUpWithTheDialogsSettings) {
  QTemporaryDir dir;
  Ventana v;
  const QString ruta = dir.filePath("espectro inicial ñ.ASC");
  v.dialogos.respuestasFichero.push_back(ruta);
  v.graf->Toolbar1_ButtonClick("guardar");
  QByteArray esperado = "\r\n5\r\n105\r\n";
  for (int i = 0; i < 401; ++i) esperado += "0\r\n";
  QFile f(ruta);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), esperado);
  EXPECT_EQ(v.estado.NombreFichero, ruta.toStdString());
  ASSERT_EQ(v.dialogos.ficherosPedidos.size(), 1u);
  EXPECT_TRUE(v.dialogos.ficherosPedidos[0].opciones.preguntaSobrescribir);
  EXPECT_EQ(v.dialogos.vecesOcupado, 1);
  EXPECT_EQ(v.dialogos.punteroOcupado, 0);
}

// Cancelled dialogs do nothing; a failed save or load is reported and
// changes nothing but the file's name; a loaded range becomes the scan's.
TEST(FicherosVentana, FailuresAndCancelsChangeNothingAndALoadedRangeBecomesTheScanRange) {
  QTemporaryDir dir;
  Ventana v;
  v.estado.Espectro[3] = 2;
  v.graf->DibujaCurva(v.estado.Espectro);
  const QImage plot = v.graf->Graf_Espectro->Imagen();
  Estado esperado = v.estado;
  v.Pulsa("Menu_Fichero_Salvar");
  v.Pulsa("Menu_Fichero_Cargar");
  EXPECT_EQ(v.estado, esperado);
  v.dialogos.respuestasFichero = {"/dev/full", dir.filePath("no-existe.ASC")};
  v.Pulsa("Menu_Fichero_Salvar");
  v.Pulsa("Menu_Fichero_Cargar");
  esperado.NombreFichero = dir.filePath("no-existe.ASC").toStdString();
  EXPECT_EQ(v.estado, esperado);
  EXPECT_EQ(v.graf->Graf_Espectro->Imagen(), plot);
  EXPECT_EQ(v.dialogos.punteroOcupado, 0);
  ASSERT_EQ(v.dialogos.mensajes.size(), 2u);
  EXPECT_EQ(v.dialogos.mensajes[0].texto.toStdString(), TextoError(codigo::DiscoLleno));
  EXPECT_EQ(v.dialogos.mensajes[1].texto.toStdString(), TextoError(codigo::FicheroNoExiste));

  QByteArray fichero = "\"otra\"\r\n20\r\n60\r\n";
  for (int i = 0; i < 401; ++i) fichero += "1.5\r\n";
  QFile f(dir.filePath("r.ASC"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(fichero);
  f.close();
  v.dialogos.respuestasFichero.push_back(dir.filePath("r.ASC"));
  v.Pulsa("Menu_Fichero_Cargar");
  EXPECT_EQ(v.estado.DeltaRad, ARadianes(20));
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
