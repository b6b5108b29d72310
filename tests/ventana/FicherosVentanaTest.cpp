// "Salvar" and "Cargar" through the main window, and the teachers'
// command-line companion against the window's own scan.

#include <QTemporaryDir>

#include "apoyo/Comun.h"
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
  EXPECT_EQ(prueba::LeeFichero(ruta.toStdString()),
            prueba::LeeFichero(VARLEK_FUENTES_PRUEBAS "/files/casos/cabecera-vacia.ASC"));
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

  prueba::EscribeFichero(dir.filePath("r.ASC").toStdString(), TextoDatos({std::string("otra"), 20, 60, {}}));
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

  EXPECT_EQ(
      prueba::Ejecuta(VARLEK_BARRIDO " --a 4.5 --b 6 --angulo 75 --atomo 0,0,1 --atomo 0.5,0.25,0.75 --lambda 1.2 "
                                     "--min 10 --max 70 --giro 10"),
      (prueba::Salida{0, TextoDatos(DatosDePantalla(e))}));
}

}  // namespace
}  // namespace varlek
