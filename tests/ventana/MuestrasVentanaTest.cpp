// The powder samples through the main window: what a load changes, the
// curve without tick marks, the grey ring, and a load that fails.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "apoyo/Entorno.h"
#include "apoyo/Referencia.h"
#include "spectrum/FicheroMuestra.h"
#include "state/ErrorVarlek.h"
#include "ui/Lienzo.h"

namespace varlek {
namespace {

namespace fs = std::filesystem;
using prueba::Ventana;

TEST(MuestrasVentana, ASampleBecomesTheSpectrumWithItsCurveAndRingAFailedLoadChangesNothing) {
  // 30° to 35° at 380, 55° to 60° at 190, one point at 250, the rest 0.
  DatosMuestra d;
  d.inicio = 7;
  for (int i = 0; i <= 400; ++i)
    d.puntos[i] = i >= 100 && i <= 120 ? 380 : i >= 200 && i <= 220 ? 190 : i == 300 ? 250 : 0;
  const std::string ruta = (fs::temp_directory_path() / ("varlek-anillo-" + std::to_string(::getpid()))).string();
  SalvaMuestra(ruta, d, 105);
  Ventana v;
  v.estado.EspectroMax = v.estado.DeltaMax = 60;
  v.estado.DeltaRad = 1;
  v.estado.EspectroCabecera = std::string("antes");
  Estado esperado = v.estado;
  esperado.Espectro = d.puntos;
  esperado.EspectroMin = 7;
  esperado.EspectroCabecera = std::monostate{};
  esperado.DeltaRad = 15.708 / 180;
  v.graf->Esquema->Linea(0, 0, 370, 200);  // a mark of an earlier scan
  v.graf->CargaMuestra(ruta);
  EXPECT_EQ(v.estado, esperado);
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
