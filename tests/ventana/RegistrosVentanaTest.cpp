// Registers X, Y, Z and the spectrum operations through the main window.

#include <QTemporaryDir>
#include <tuple>

#include "apoyo/Comun.h"
#include "apoyo/Entorno.h"
#include "state/ErrorVarlek.h"
#include "ui/Lienzo.h"
#include "ui/Paleta.h"
#include "ui/SuperficieVentana.h"

namespace varlek {
namespace {

using prueba::Ventana;

void Rampa(Estado& e) {
  for (int i = 0; i <= 400; ++i) e.Espectro[i] = static_cast<float>(i) / 2;
}

TEST(RegistrosVentana, CopyThenShowDrawsInTheRegistersColourWithoutAsking) {
  for (const auto& [en, mostrar, color] :
       {std::tuple{"CopiarEnX", "MostrarX", 12}, std::tuple{"CopiarEnY", "MostrarY", 2},
        std::tuple{"CopiarEnZ", "MostrarZ", 9}}) {
    Ventana v;
    Rampa(v.estado);
    v.Pulsa(en);
    v.Pulsa("Menu_Borrar");
    v.Pulsa(mostrar);
    EXPECT_TRUE(v.dialogos.modalesVistos.empty()) << mostrar;
    EXPECT_EQ(v.graf->Graf_Espectro->PixelEn(50, 100), ui::Paleta(color)) << mostrar;
    EXPECT_EQ(v.graf->Graf_Espectro->ColorFrente(), ui::Paleta(0)) << mostrar;
  }
}

// "Cancelar" keeps the screen; "Aceptar" replaces it by the register, drawn
// point by point in the plot's pen, one pixel wide, not by the curve rule;
// that "Aceptar" is not reused by a later warning closed by its frame.
TEST(RegistrosVentana, ARegisterOfAnotherRangeAsksBeforeReplacingTheScreen) {
  Ventana v;
  Rampa(v.estado);
  v.estado.RegistroZ.Rellena(250);
  v.estado.RegistroZMin = 10, v.estado.RegistroZMax = 20;
  v.Pulsa("Menu_Dibujar");  // the screen's curve, which the register's replaces
  const Estado antes = v.estado;
  const auto muestraZ = [&](const char* boton) {
    v.dialogos.accionesModal.push_back([boton](QDialog& d) {
      EXPECT_EQ(d.objectName(), "Aviso");
      if (*boton != '\0') prueba::Pulsa(d, boton);  // "" closes it by its frame
    });
    v.Pulsa("MostrarZ");
  };
  muestraZ("Command2");
  EXPECT_EQ(v.estado, antes);
  muestraZ("Command1");
  EXPECT_EQ(v.estado.Espectro, v.estado.RegistroZ);
  EXPECT_EQ(v.graf->Superficie->Textos().front().texto, " 10");
  // One pixel where the curve rule would cover two by two.
  const ui::Lienzo& plot = *v.graf->Graf_Espectro;
  const QPoint punto = plot.APixel(50, 250);
  EXPECT_EQ(plot.Imagen().pixelColor(punto), QColor(Qt::black));
  EXPECT_NE(plot.Imagen().pixelColor(punto + QPoint(0, 1)), QColor(Qt::black));
  EXPECT_NE(plot.Imagen().pixelColor(punto - QPoint(0, 1)), QColor(Qt::black));
  EXPECT_NE(plot.PixelEn(50, 100), QColor(Qt::black));
  Rampa(v.estado);
  v.estado.EspectroMin = 5;
  muestraZ("");
  EXPECT_EQ(v.estado.Espectro[400], 200.0f);
  EXPECT_EQ(v.dialogos.modalesVistos.size(), 3u);
}

TEST(RegistrosVentana, SmoothMultiplyAddCopyBackAndSaveARegister) {
  Ventana v;
  v.estado.Espectro[200] = 5;
  v.Pulsa("Menu_Suavizar");
  EXPECT_FLOAT_EQ(v.estado.Espectro[200], 1.44f);

  Rampa(v.estado);
  v.Responde("Menu_Multiplicar", {{"Text_Factor", "2"}});
  EXPECT_EQ(v.estado.Espectro[400], 400.0f);
  v.Pulsa("Menu_Multiplicar");  // closed by its frame: nothing is multiplied
  EXPECT_EQ(v.estado.Espectro[400], 400.0f);
  v.Responde("Menu_Multiplicar", {{"Text_Factor", "1e300"}});
  EXPECT_EQ(v.estado.Espectro[400], 400.0f);
  ASSERT_EQ(v.dialogos.mensajes.size(), 1u);
  EXPECT_EQ(v.dialogos.mensajes[0].texto.toStdString(), TextoError(codigo::Desbordamiento));

  Rampa(v.estado);
  v.Pulsa("CopiarEnX");
  v.Pulsa("Grafica_Sumar");
  v.Pulsa("Grafica_Sumar");
  EXPECT_EQ(v.estado.Espectro[10], 15.0f);
  v.Pulsa("CopiarDesdeX");
  EXPECT_EQ(v.estado.Espectro[10], 5.0f);

  // A register is saved with its own range, whatever the screen's.
  QTemporaryDir dir;
  v.estado.EspectroCabecera = 3.0;
  v.Pulsa("CopiarEnY");
  v.FijaLimites("20", "60");
  v.dialogos.respuestasFichero.push_back(dir.filePath("y.ASC"));
  v.Pulsa("Salvar_RegistroY");
  EXPECT_TRUE(prueba::LeeFichero(dir.filePath("y.ASC").toStdString()).starts_with("3\r\n5\r\n105\r\n"));
}

}  // namespace
}  // namespace varlek
