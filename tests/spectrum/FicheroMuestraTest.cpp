// The sample-file reader, a sample made the spectrum on screen with its ring,
// and where the program looks for the samples.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <filesystem>
#include <fstream>

#include "apoyo/CodigoError.h"
#include "apoyo/Impresion.h"
#include "spectrum/FicheroMuestra.h"

namespace varlek {
namespace {

namespace fs = std::filesystem;
using prueba::CodigoDe;

std::string R(unsigned char a, unsigned char b, unsigned char c = 0, unsigned char d = 0) {
  return {static_cast<char>(a), static_cast<char>(b), static_cast<char>(c), static_cast<char>(d)};
}

// Records 1 to 3 as given; point i holds i/4 − 50 as a little-endian float
// (1.0 is 00 00 80 3f), written byte by byte.
std::string Muestra(std::string r1 = R(2, 0, 7), std::string r2 = R(2, 0, 5), std::string r3 = R(2, 0, 105)) {
  std::string s = r1 + r2 + r3;
  for (int i = 0; i <= 400; ++i) {
    const auto bits = std::bit_cast<std::uint32_t>(i / 4.0f - 50);
    s += R(bits & 0xff, (bits >> 8) & 0xff, (bits >> 16) & 0xff, bits >> 24);
  }
  return s;
}

TEST(FicheroMuestra, ReadsEveryKindOfRecordAndRefusesWhatDoesNotFit) {
  const std::pair<std::string, Valor> tipos[] = {
      {R(0, 0, 9, 9), std::monostate{}}, {R(1, 0, 9, 9), Nulo{}}, {R(2, 0, 0x2e, 0xfb), std::int16_t{-1234}},
      {R(11, 0, 0xff, 0xff), true},      {R(11, 0), false},       {R(17, 0, 200, 9), std::uint8_t{200}}};
  for (const auto& [registro, cabecera] : tipos)
    EXPECT_EQ(LeeMuestra(Muestra(registro)).cabecera, cabecera) << +registro[0];
  EXPECT_EQ(LeeMuestra(Muestra(R(0, 0), R(17, 0, 12))).inicio, 12);
  EXPECT_EQ(LeeMuestra(Muestra(R(0, 0), R(11, 0, 0xff, 0xff))).inicio, -1);
  const DatosMuestra d = LeeMuestra(Muestra() + "resto");
  EXPECT_EQ(d.inicio, 5);
  EXPECT_EQ(d.puntos[201], 0.25f);
  EXPECT_EQ(d.puntos[400], 50.0f);

  std::string nan = Muestra();
  nan.replace(12 + 4 * 400, 4, R(0, 0, 0xc0, 0x7f));
  const std::pair<std::string, int> malos[] = {
      {Muestra().substr(0, 1615), codigo::FinDeFichero},
      {Muestra(R(8, 0, 3)), codigo::NoCoincidenTipos},        // a text
      {Muestra(R(2, 0), R(1, 0)), codigo::NoCoincidenTipos},  // a null start angle
      {Muestra(R(2, 0), R(2, 0, 5), R(2, 1)), codigo::NoCoincidenTipos},
      {nan, codigo::Desbordamiento}};
  for (const auto& [bytes, esperado] : malos) EXPECT_EQ(CodigoDe([&] { LeeMuestra(bytes); }), esperado) << bytes.size();
}

// A sample on screen: its header, start angle and points, the end angle
// kept, the angle back at 5°. Its ring runs from 5° to 105° whatever the
// start angle, grey by 255/380 per plot unit.
TEST(FicheroMuestra, ASampleOnScreenAndItsRing) {
  Estado e;
  AsignaValoresIniciales(e);
  e.EspectroMax = 60, e.DeltaRad = 1;
  const DatosMuestra d = LeeMuestra(Muestra(R(2, 0, 7), R(2, 0, 12)));
  Estado esperado = e;
  esperado.EspectroCabecera = std::int16_t{7}, esperado.EspectroMin = 12, esperado.Espectro = d.puntos;
  esperado.DeltaRad = 15.708 / 180;
  AplicaMuestra(e, d);
  EXPECT_EQ(e, esperado);

  EXPECT_EQ(AnguloAnillo(0), 15.708 / 180);
  EXPECT_EQ(AnguloAnillo(400), 105 * 6.2832 / 360);
  EXPECT_EQ(AnguloAnillo(201), 55.25 * 3.1416 / 180);
  const std::pair<float, int> grises[] = {{1e30f, 0}, {190, 128}, {-3, 255}, {379.9f, 1}};
  for (auto [v, g] : grises) EXPECT_EQ(GrisAnillo(v), g) << v;
}

// A missing file, and a pipe nobody writes to, which ends the read at once
// instead of waiting. A sample beside the program comes before the shipped
// one, but a folder is no sample.
TEST(FicheroMuestra, AMissingFileAPipeAndWhereTheSamplesAre) {
  const fs::path carpeta = fs::temp_directory_path() / ("varlek-muestra-" + std::to_string(::getpid()));
  fs::create_directories(carpeta / "muestra3.bin");
  auto codigo = [&](const char* nombre) { return CodigoDe([&] { LeeFicheroMuestra((carpeta / nombre).string()); }); };
  EXPECT_EQ(codigo("no.bin"), codigo::FicheroNoExiste);
  ASSERT_EQ(::mkfifo((carpeta / "tubo").c_str(), 0666), 0);
  EXPECT_EQ(codigo("tubo"), codigo::FinDeFichero);
  const std::string datos = (carpeta / "datos").string(), sinCarpeta = (carpeta / "nada").string();
  EXPECT_EQ(RutaMuestra("muestra3.bin", carpeta, sinCarpeta), (fs::path(sinCarpeta) / "muestra3.bin").string());
  std::ofstream(carpeta / "muestra2.bin") << "x";
  EXPECT_EQ(RutaMuestra("muestra2.bin", carpeta, sinCarpeta), (carpeta / "muestra2.bin").string());
  // Missing from both places: a missing file while one folder exists, a
  // missing path only when neither does.
  auto codigoMuestra = [&](const std::string& programa, const std::string& instalada) {
    return CodigoDe([&] { LeeFicheroMuestra(RutaMuestra("muestra1.bin", programa, instalada)); });
  };
  EXPECT_EQ(codigoMuestra(carpeta, sinCarpeta), codigo::FicheroNoExiste);
  EXPECT_EQ(codigoMuestra(sinCarpeta, carpeta), codigo::FicheroNoExiste);
  EXPECT_EQ(codigoMuestra(sinCarpeta, sinCarpeta), codigo::CaminoNoEncontrado);
  fs::create_directories(datos);
  std::ofstream(fs::path(datos) / "muestra1.bin") << "x";
  EXPECT_EQ(RutaMuestra("muestra1.bin", carpeta, datos), (fs::path(datos) / "muestra1.bin").string());
  fs::remove_all(carpeta);
}

}  // namespace
}  // namespace varlek
