// The plot's labels, readout and erase, the problem crystals and the powder
// samples, through the main window.

#include <QCoreApplication>
#include <QMouseEvent>

#include "apoyo/Comun.h"
#include "apoyo/Entorno.h"
#include "apoyo/Referencia.h"
#include "crystal/CristalesProblema.h"
#include "spectrum/FicheroMuestra.h"
#include "state/ErrorVarlek.h"
#include "ui/Controles.h"
#include "ui/Lienzo.h"
#include "ui/SuperficieVentana.h"

namespace varlek {
namespace {

namespace fs = std::filesystem;
using prueba::Ventana;

TEST(GraficaVentana, LimitsEnteredRepaintTheSchematicAndRelabelThePlot) {
  Ventana v;
  v.graf->Esquema->Punto(0, 200, QColor(255, 0, 0));
  v.FijaLimites("5", "50");
  EXPECT_EQ(v.graf->Esquema->PixelEn(0, 200), QColor(Qt::white));  // the schematic drawn anew
  v.FijaLimites("100", "125");
  // The angles of the new range (whole and halves) stand centred under their
  // tick marks, below the plot; the intensity labels end to the left of it.
  EXPECT_TRUE(prueba::ComoReferencia(*v.graf, "principal-100-125"));
}

TEST(GraficaVentana, RedrawThenEraseLeavesOnlyTheTickMarksAndANewSchematicAndTheCursorReadout) {
  Ventana v;
  const QImage vacio = v.graf->Graf_Espectro->Imagen();
  for (int i = 0; i <= 400; ++i) v.estado.Espectro[i] = static_cast<float>(i);
  v.Pulsa("Menu_Dibujar");
  EXPECT_EQ(v.graf->Graf_Espectro->PixelEn(50, 200), QColor(Qt::black));
  EXPECT_EQ(v.dialogos.vecesOcupado, 1);
  EXPECT_EQ(v.dialogos.punteroOcupado, 0);
  v.graf->Esquema->Punto(0, 200, QColor(255, 0, 0));
  v.Pulsa("Menu_Borrar");
  EXPECT_EQ(v.graf->Graf_Espectro->Imagen(), vacio);
  EXPECT_EQ(v.graf->Esquema->PixelEn(0, 200), QColor(Qt::white));  // the schematic drawn anew
  EXPECT_EQ(v.estado.DeltaMedio, 7.854 / 180);
  // A real mouse press on the plot's top-right pixel reads the range's end and the plot's top.
  ui::Lienzo& plot = *v.graf->Graf_Espectro;
  const QPoint esquina = plot.contentsRect().topLeft() + QPoint(plot.Imagen().width() - 1, 0);
  QMouseEvent pulsacion(QEvent::MouseButtonPress, esquina, plot.mapToGlobal(esquina), Qt::RightButton, Qt::RightButton,
                        Qt::NoModifier);
  QCoreApplication::sendEvent(&plot, &pulsacion);
  EXPECT_EQ(v.graf->PuntX->text(), " 105");
  EXPECT_EQ(v.graf->PuntY->text(), " 500");
  // A peak's height shows whole; an angle of 15 digits shows its start, and
  // whole as a tooltip.
  ui::MuestraTexto(*v.graf->PuntY, " 399.8905");
  EXPECT_EQ(v.graf->PuntY->toolTip(), "");
  ui::MuestraTexto(*v.graf->PuntX, " 50.0000000000004");
  EXPECT_EQ(v.graf->PuntX->toolTip(), " 50.0000000000004");
  EXPECT_EQ(v.graf->PuntX->cursorPosition(), 0);
}

TEST(GraficaVentana, ProblemCrystalMessagesInOrderTheLockAndClosing) {
  Ventana v;
  std::vector<double> aVecAlMensaje;
  v.dialogos.alMensaje = [&](const prueba::MensajeVisto&) { aVecAlMensaje.push_back(v.estado.AVec); };
  for (const char* item : {"Cristal_1", "Cristal_2", "Cristal_4", "Cristal_5"}) {
    v.Pulsa(item);
    EXPECT_EQ(v.dialogos.mensajes.back().texto.toStdString(), ConfirmacionCristalProblema(item[8] - '0'));
  }
  v.dialogos.mensajes.clear();
  aVecAlMensaje.clear();
  v.estado.AVec = 0;
  v.Pulsa("Cristal_3");
  ASSERT_EQ(v.dialogos.mensajes.size(), 2u);
  EXPECT_EQ(v.dialogos.mensajes[0].texto.toStdString(), AvisoCristalProblema(3));
  EXPECT_EQ(aVecAlMensaje, (std::vector<double>{0, 4.42}));

  // The dialog hides the crystal; "Inicializar" ends problem mode and shows it.
  v.dialogos.accionesModal.push_back([](QDialog& d) { EXPECT_EQ(prueba::Lee(d, "Text_AVec"), "XXX"); });
  v.graf->Toolbar1_ButtonClick("param");
  v.Pulsa("Barrido_Inicializar");
  v.dialogos.accionesModal.push_back([](QDialog& d) { EXPECT_EQ(prueba::Lee(d, "Text_AVec"), " 4.42"); });
  v.Pulsa("Menu_Parametros");
  EXPECT_EQ(v.dialogos.modalesVistos.size(), 2u);

  // "Cerrar problema" resets the scan and clears the crystal.
  v.Pulsa("Cristal_4");
  v.estado.LambdaX = 2;
  Estado esperado = v.estado;
  AsignaValoresIniciales(esperado);
  IniciaCristal(esperado);
  v.Pulsa("Cerrar_Problema");
  EXPECT_EQ(v.estado, esperado);
}

// The powder samples through the window (the state a sample leaves is the
// core's test): the curve without tick marks, the grey ring, and a load that
// fails.
TEST(MuestrasVentana, ASampleBecomesTheSpectrumWithItsCurveAndRingAFailedLoadChangesNothing) {
  // 30° to 35° at 380, 55° to 60° at 190, one point at 250, the rest 0.
  DatosMuestra d;
  d.inicio = 7;
  for (int i = 0; i <= 400; ++i)
    d.puntos[i] = i >= 100 && i <= 120 ? 380 : i >= 200 && i <= 220 ? 190 : i == 300 ? 250 : 0;
  const prueba::CarpetaTemporal carpeta;
  const std::string ruta = (carpeta / "anillo.bin").string();
  SalvaMuestra(ruta, d, 105);
  Ventana v;
  v.estado.EspectroMax = v.estado.DeltaMax = 60;
  v.graf->Esquema->Linea(0, 0, 370, 200);  // a mark of an earlier scan
  v.graf->CargaMuestra(ruta);
  EXPECT_EQ(v.estado.Espectro, d.puntos);
  EXPECT_EQ(v.dialogos.vecesOcupado, 1);

  // The curve without tick marks, one pixel wide; the schematic repainted
  // with the ring: black at 30° to 35°, grey at 55° to 60°.
  const ui::Lienzo& plot = *v.graf->Graf_Espectro;
  EXPECT_EQ(plot.AnchoPluma(), 1);
  EXPECT_TRUE(prueba::ComoReferencia(plot.Imagen(), "muestra-curva"));
  EXPECT_TRUE(prueba::ComoReferencia(v.graf->Esquema->Imagen(), "muestra-anillo"));

  v.estado.DeltaRad = 1;
  const Estado antes = v.estado;
  const QImage imagen = plot.Imagen(), esquema = v.graf->Esquema->Imagen();
  fs::remove(ruta);
  v.graf->CargaMuestra(ruta);
  ASSERT_EQ(v.dialogos.mensajes.size(), 1u);
  EXPECT_EQ(v.dialogos.mensajes[0].texto.toStdString(), TextoError(codigo::FicheroNoExiste));
  EXPECT_EQ(v.estado, antes);
  EXPECT_EQ(plot.Imagen(), imagen);
  EXPECT_EQ(v.graf->Esquema->Imagen(), esquema);
  EXPECT_EQ(v.dialogos.punteroOcupado, 0);
  // The menu items read the shipped samples.
  for (const std::string n : {"1", "2", "3"}) {
    v.Pulsa(("Muestra" + n).c_str());
    EXPECT_EQ(v.estado.Espectro, LeeFicheroMuestra((fs::current_path() / ("muestra" + n + ".bin")).string()).puntos);
  }
  EXPECT_EQ(v.dialogos.mensajes.size(), 1u);
}

}  // namespace
}  // namespace varlek
