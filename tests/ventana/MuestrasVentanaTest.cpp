// The powder samples through the main window: what a load changes, the
// curve without tick marks, the grey ring, and a load that fails.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
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

// A sample file whose points are given by `valor(i)`.
template <typename F>
std::string Escribe(const fs::path& ruta, F valor) {
  DatosMuestra d;
  d.cabecera = std::int16_t{3};
  for (int i = 0; i <= 400; ++i) d.puntos[i] = valor(i);
  SalvaMuestra(ruta.string(), d, 105);
  return ruta.string();
}

struct Carpeta {
  Carpeta() : ruta(fs::temp_directory_path() / ("varlek-muestras-" + std::to_string(::getpid()))) {
    fs::create_directories(ruta);
  }
  ~Carpeta() { fs::remove_all(ruta); }
  fs::path ruta;
};

// The colours at the rim of the detector circle within a degree of an angle
// (the strokes, less than a pixel apart, leave white pixels between them).
std::set<QRgb> Anillo(const Graf& g, double grados) {
  std::set<QRgb> colores;
  for (double a = grados - 1; a <= grados + 1; a += 0.05)
    for (double r = 371; r <= 376; r += 0.5) {
      const double d = a * 3.1416 / 180;
      colores.insert(g.Esquema->PixelEn(r * std::cos(d), r * std::sin(d)).rgb());
    }
  return colores;
}

TEST(MuestrasVentana, EachCommandLoadsItsSampleAndLeavesTheRestAlone) {
  for (const char* n : {"1", "2", "3"}) {
    Ventana v;
    v.estado.DeltaMax = 60;
    v.estado.EspectroMax = 60;
    v.estado.DeltaRad = 1;
    Estado esperado = v.estado;
    const DatosMuestra d = LeeFicheroMuestra((fs::current_path() / (std::string("muestra") + n + ".bin")).string());
    esperado.Espectro = d.puntos;
    esperado.EspectroMin = d.inicio;
    esperado.EspectroCabecera = d.cabecera;
    esperado.DeltaRad = 15.708 / 180;
    v.Pulsa((std::string("Muestra") + n).c_str());
    EXPECT_EQ(v.estado, esperado) << n;
    EXPECT_TRUE(v.dialogos.mensajes.empty());
    EXPECT_EQ(v.dialogos.vecesOcupado, 1);
    EXPECT_EQ(v.dialogos.punteroOcupado, 0);
    // Loading again gives the same pictures.
    const QImage plot = v.graf->Graf_Espectro->Imagen(), esquema = v.graf->Esquema->Imagen();
    v.Pulsa((std::string("Muestra") + n).c_str());
    EXPECT_EQ(v.graf->Graf_Espectro->Imagen(), plot);
    EXPECT_EQ(v.graf->Esquema->Imagen(), esquema);
  }
}

TEST(MuestrasVentana, CurveWithoutTickMarksAndTheGreyRing) {
  Carpeta carpeta;
  // 30° to 35° at 380, 55° to 60° at 190, the rest 0 but one point at 250.
  const std::string ruta = Escribe(carpeta.ruta / "m.bin", [](int i) {
    return i >= 100 && i <= 120 ? 380.0f : i >= 200 && i <= 220 ? 190.0f : i == 300 ? 250.0f : 0.0f;
  });
  Ventana v;
  v.graf->Esquema->Linea(0, 0, 370, 200);  // a mark of an earlier scan
  v.graf->CargaMuestra(ruta);
  const ui::Lienzo& plot = *v.graf->Graf_Espectro;
  const QColor fondo(255, 255, 192);
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(plot.PixelEn(10 * i - 0.5, 10), fondo) << "marca " << i;
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(plot.PixelEn(0.5, 100 * i), fondo) << "marca " << i;
  EXPECT_EQ(plot.PixelEn(75, 250), QColor(Qt::black));
  EXPECT_EQ(plot.PixelEn(30, 380), QColor(Qt::black));
  EXPECT_EQ(plot.PixelEn(40, 300), fondo);
  EXPECT_EQ(plot.AnchoPluma(), 1);
  // The schematic was repainted before the ring was drawn on it.
  EXPECT_EQ(v.graf->Esquema->PixelEn(185, 100), QColor(Qt::white));
  EXPECT_EQ(Anillo(*v.graf, 32.5), (std::set<QRgb>{qRgb(255, 255, 255), qRgb(0, 0, 0)}));
  EXPECT_EQ(Anillo(*v.graf, 57.5), (std::set<QRgb>{qRgb(255, 255, 255), qRgb(128, 128, 128)}));
  EXPECT_EQ(Anillo(*v.graf, 45), (std::set<QRgb>{qRgb(255, 255, 255)}));
  EXPECT_EQ(v.estado.EspectroMin, 5);
  EXPECT_EQ(v.estado.EspectroCabecera, Valor(std::int16_t{3}));
}

TEST(MuestrasVentana, AFailedLoadChangesNothing) {
  Carpeta carpeta;
  const std::string buena = Escribe(carpeta.ruta / "buena.bin", [](int i) { return i % 7 * 50.0f; });
  std::string bytes(kBytesMuestra, '\0');
  bytes[4] = 8;  // a text where the start angle stands
  std::ofstream(carpeta.ruta / "etiqueta.bin", std::ios::binary) << bytes;
  std::ofstream(carpeta.ruta / "corta.bin", std::ios::binary) << bytes.substr(0, 1000);
  bytes[4] = 2;
  std::memcpy(bytes.data() + 12 + 4 * 9, "\x00\x00\xc0\x7f", 4);  // a NaN
  std::ofstream(carpeta.ruta / "nan.bin", std::ios::binary) << bytes;
  const struct {
    const char* fichero;
    int codigo;
  } casos[] = {
      {"no.bin", codigo::FicheroNoExiste}, {"no/m.bin", codigo::CaminoNoEncontrado},
      {"corta.bin", codigo::FinDeFichero}, {"etiqueta.bin", codigo::NoCoincidenTipos},
      {"nan.bin", codigo::Desbordamiento},
  };
  for (const auto& c : casos) {
    Ventana v;
    v.graf->CargaMuestra(buena);
    v.estado.DeltaRad = 1;
    const Estado antes = v.estado;
    const QImage plot = v.graf->Graf_Espectro->Imagen(), esquema = v.graf->Esquema->Imagen();
    v.graf->CargaMuestra((carpeta.ruta / c.fichero).string());
    ASSERT_EQ(v.dialogos.mensajes.size(), 1u) << c.fichero;
    EXPECT_EQ(v.dialogos.mensajes[0].titulo, "MENSAJE DE ERROR");
    EXPECT_EQ(v.dialogos.mensajes[0].texto.toStdString(), TextoError(c.codigo));
    EXPECT_EQ(v.estado, antes) << c.fichero;
    EXPECT_EQ(v.graf->Graf_Espectro->Imagen(), plot) << c.fichero;
    EXPECT_EQ(v.graf->Esquema->Imagen(), esquema) << c.fichero;
    EXPECT_EQ(v.dialogos.punteroOcupado, 0);
  }
}

TEST(MuestrasVentana, AScanAfterASampleStartsFromFiveDegrees) {
  Ventana v;
  prueba::CristalDePrueba(v.estado);
  v.Pulsa("Barrido_Lanzar");
  v.Pasos(40);
  v.Pulsa("Barrido_Detener");
  v.Pulsa("Muestra2");
  const float primero = v.estado.Espectro[0];
  v.Pulsa("Barrido_Lanzar");
  v.Pasos(1);
  EXPECT_NE(v.estado.Espectro[0], primero);
  EXPECT_EQ(v.estado.Espectro[1], LeeFicheroMuestra((fs::current_path() / "muestra2.bin").string()).puntos[1]);
}

}  // namespace
}  // namespace varlek
