// The powder samples through the main window: what a load changes, the
// curve without tick marks, the grey ring, and a load that fails.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "apoyo/Entorno.h"
#include "spectrum/FicheroMuestra.h"
#include "state/ErrorVarlek.h"
#include "ui/Lienzo.h"

namespace varlek {
namespace {

namespace fs = std::filesystem;
using prueba::Ventana;

// The colours at the rim of the detector circle within a degree of an angle
// (the strokes, less than a pixel apart, leave white pixels between them).
std::set<QRgb> Anillo(const Graf& g, double grados) {
  std::set<QRgb> colores;
  for (double a = grados - 1; a <= grados + 1; a += 0.05)
    for (double r = 371; r <= 376; r += 0.5)
      colores.insert(g.Esquema->PixelEn(r * std::cos(a * 3.1416 / 180), r * std::sin(a * 3.1416 / 180)).rgb());
  return colores;
}

TEST(MuestrasVentana, ASampleBecomesTheSpectrumWithItsCurveAndRing) {
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
  EXPECT_EQ(v.dialogos.punteroOcupado, 0);

  const ui::Lienzo& plot = *v.graf->Graf_Espectro;
  const QColor fondo(255, 255, 192);
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(plot.PixelEn(10 * i - 0.5, 10), fondo) << "marca " << i;
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(plot.PixelEn(0.5, 100 * i), fondo) << "marca " << i;
  EXPECT_EQ(plot.PixelEn(75, 250), QColor(Qt::black));
  EXPECT_EQ(plot.PixelEn(40, 300), fondo);
  EXPECT_EQ(plot.AnchoPluma(), 1);
  EXPECT_EQ(v.graf->Esquema->PixelEn(185, 100), QColor(Qt::white));  // repainted first
  EXPECT_EQ(Anillo(*v.graf, 32.5), (std::set<QRgb>{qRgb(255, 255, 255), qRgb(0, 0, 0)}));
  EXPECT_EQ(Anillo(*v.graf, 57.5), (std::set<QRgb>{qRgb(255, 255, 255), qRgb(128, 128, 128)}));
  EXPECT_EQ(Anillo(*v.graf, 45), (std::set<QRgb>{qRgb(255, 255, 255)}));

  const QImage imagen = plot.Imagen(), esquema = v.graf->Esquema->Imagen();
  v.graf->CargaMuestra(ruta);
  fs::remove(ruta);
  EXPECT_EQ(plot.Imagen(), imagen);
  EXPECT_EQ(v.graf->Esquema->Imagen(), esquema);
  // A scan launched now starts from 5°, over the sample's points.
  v.Pulsa("Barrido_Lanzar");
  v.Pasos(1);
  EXPECT_NE(v.estado.Espectro[0], 0);
  EXPECT_EQ(v.estado.Espectro[1], 0);
  // The menu items read the shipped samples.
  v.Pulsa("Muestra2");
  EXPECT_EQ(v.estado.Espectro, LeeFicheroMuestra((fs::current_path() / "muestra2.bin").string()).puntos);
}

TEST(MuestrasVentana, AFailedLoadChangesNothing) {
  const fs::path carpeta = fs::temp_directory_path() / ("varlek-fallo-" + std::to_string(::getpid()));
  fs::create_directories(carpeta);
  std::string nan(kBytesMuestra, '\0');
  nan.replace(12 + 4 * 9, 4, "\x00\x00\xc0\x7f", 4);  // a NaN after points already read
  const std::tuple<const char*, std::string, int> casos[] = {{"no.bin", "", codigo::FicheroNoExiste},
                                                             {"nan.bin", nan, codigo::Desbordamiento}};
  for (const auto& [fichero, bytes, codigo] : casos) {
    if (!bytes.empty()) std::ofstream(carpeta / fichero, std::ios::binary) << bytes;
    Ventana v;
    v.Pulsa("Muestra3");
    v.estado.DeltaRad = 1;
    const Estado antes = v.estado;
    const QImage plot = v.graf->Graf_Espectro->Imagen(), esquema = v.graf->Esquema->Imagen();
    v.graf->CargaMuestra((carpeta / fichero).string());
    ASSERT_EQ(v.dialogos.mensajes.size(), 1u) << fichero;
    EXPECT_EQ(v.dialogos.mensajes[0].texto.toStdString(), TextoError(codigo));
    EXPECT_TRUE(v.estado == antes && v.graf->Graf_Espectro->Imagen() == plot && v.graf->Esquema->Imagen() == esquema)
        << fichero;
    EXPECT_EQ(v.dialogos.punteroOcupado, 0);
  }
  fs::remove_all(carpeta);
}

}  // namespace
}  // namespace varlek
