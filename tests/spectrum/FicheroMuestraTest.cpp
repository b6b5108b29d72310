// The sample-file reader and writer, the ring's grey level and where the
// program looks for the samples.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>

#include "apoyo/CodigoError.h"
#include "spectrum/FicheroMuestra.h"

namespace varlek {
namespace {

namespace fs = std::filesystem;
using prueba::CodigoDe;

// 1616 bytes: records 1 to 3 as given, point i holding i/4 − 50.
std::string Muestra(std::string r1 = {2, 0, 7, 0}, std::string r2 = {2, 0, 5, 0}, std::string r3 = {2, 0, 105, 0}) {
  std::string s = r1 + r2 + r3;
  for (int i = 0; i <= 400; ++i) {
    const float v = i / 4.0f - 50;
    unsigned char b[4];
    std::memcpy(b, &v, 4);  // the machines this runs on are little-endian
    s.append(reinterpret_cast<const char*>(b), 4);
  }
  return s;
}

std::string R(unsigned char a, unsigned char b, unsigned char c, unsigned char d) {
  return std::string{static_cast<char>(a), static_cast<char>(b), static_cast<char>(c), static_cast<char>(d)};
}

struct CarpetaTemporal {
  CarpetaTemporal() {
    std::string plantilla = (fs::temp_directory_path() / "varlek-muestra-XXXXXX").string();
    ruta = ::mkdtemp(plantilla.data());
    fs::permissions(ruta, fs::perms::all);
  }
  ~CarpetaTemporal() { fs::remove_all(ruta); }
  std::string Escribe(const std::string& nombre, const std::string& bytes) const {
    const auto p = ruta / nombre;
    std::ofstream(p, std::ios::binary) << bytes;
    return p.string();
  }
  fs::path ruta;
};

TEST(FicheroMuestra, ReadsEveryHeaderKindTheStartAngleAndThePoints) {
  const struct {
    std::string registro;
    Valor cabecera;
    double comoAngulo;
  } casos[] = {
      {R(0, 0, 9, 9), std::monostate{}, 0},
      {R(1, 0, 9, 9), Nulo{}, -999},
      {R(2, 0, 0x2e, 0xfb), std::int16_t{-1234}, -1234},
      {R(11, 0, 0xff, 0xff), true, -1},
      {R(11, 0, 0, 0), false, 0},
      {R(17, 0, 200, 9), std::uint8_t{200}, 200},
  };
  for (const auto& c : casos) {
    const DatosMuestra d = LeeMuestra(Muestra(c.registro));
    EXPECT_EQ(d.cabecera, c.cabecera) << int(c.registro[0]);
    if (c.comoAngulo != -999) {
      EXPECT_EQ(LeeMuestra(Muestra(R(0, 0, 0, 0), c.registro)).inicio, c.comoAngulo);
    }
  }
  // Little-endian floats, whatever follows the 404 records.
  const DatosMuestra d = LeeMuestra(Muestra() + "resto");
  EXPECT_EQ(d.inicio, 5);
  EXPECT_EQ(d.puntos[0], -50.0f);
  EXPECT_EQ(d.puntos[201], 0.25f);
  EXPECT_EQ(d.puntos[400], 50.0f);
  std::string bytes = Muestra();
  bytes.replace(12 + 4 * 7, 4, R(0x00, 0x00, 0x20, 0xc0));
  EXPECT_EQ(LeeMuestra(bytes).puntos[7], -2.5f);
}

TEST(FicheroMuestra, RefusesFilesThatDoNotHoldASample) {
  std::string nan = Muestra(), inf = Muestra();
  nan.replace(12 + 4 * 400, 4, R(0, 0, 0xc0, 0x7f));
  inf.replace(12, 4, R(0, 0, 0x80, 0xff));
  const struct {
    std::string bytes;
    int codigo;
  } casos[] = {
      {"", codigo::FinDeFichero},
      {Muestra().substr(0, 1615), codigo::FinDeFichero},
      {Muestra(R(8, 0, 3, 0)), codigo::NoCoincidenTipos},                 // a text
      {Muestra(R(5, 0, 0, 0)), codigo::NoCoincidenTipos},                 // a double
      {Muestra(R(2, 0, 0, 0), R(1, 0, 0, 0)), codigo::NoCoincidenTipos},  // a null start angle
      {Muestra(R(2, 0, 0, 0), R(2, 0, 5, 0), R(2, 1, 0, 0)), codigo::NoCoincidenTipos},
      {nan, codigo::Desbordamiento},
      {inf, codigo::Desbordamiento},
  };
  for (const auto& c : casos)
    EXPECT_EQ(CodigoDe([&] { LeeMuestra(c.bytes); }), c.codigo) << c.bytes.size() << " " << int(c.bytes[0]);
}

TEST(FicheroMuestra, WritesWhatItReadsAndRefusesWhatAFileCannotCarry) {
  const DatosMuestra d = LeeMuestra(Muestra(R(11, 0, 0xff, 0xff)));
  const std::string bytes = BytesMuestra(d, 105);
  EXPECT_EQ(bytes, Muestra(R(11, 0, 0xff, 0xff)));
  for (const Valor& v : {Valor{std::monostate{}}, Valor{Nulo{}}, Valor{std::int16_t{-7}}, Valor{std::uint8_t{3}}}) {
    DatosMuestra e = d;
    e.cabecera = v;
    EXPECT_EQ(LeeMuestra(BytesMuestra(e, 105)).cabecera, v);
  }
  DatosMuestra texto = d, medio = d, grande = d, nan = d;
  texto.cabecera = std::string("x");
  medio.inicio = 5.5;
  grande.inicio = 40000;
  nan.puntos[3] = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(CodigoDe([&] { BytesMuestra(texto, 105); }), codigo::NoCoincidenTipos);
  EXPECT_EQ(CodigoDe([&] { BytesMuestra(medio, 105); }), codigo::Desbordamiento);
  EXPECT_EQ(CodigoDe([&] { BytesMuestra(grande, 105); }), codigo::Desbordamiento);
  EXPECT_EQ(CodigoDe([&] { BytesMuestra(nan, 105); }), codigo::Desbordamiento);

  CarpetaTemporal carpeta;
  const std::string ruta = (carpeta.ruta / "m.bin").string();
  SalvaMuestra(ruta, d, 105);
  EXPECT_EQ(LeeFicheroMuestra(ruta).puntos, d.puntos);
  // A refused save leaves the old file as it was.
  EXPECT_NE(CodigoDe([&] { SalvaMuestra(ruta, nan, 105); }), 0);
  EXPECT_EQ(fs::file_size(ruta), kBytesMuestra);
}

TEST(FicheroMuestra, FileErrorsAReadOnlyFileAPipeAndAFolder) {
  CarpetaTemporal carpeta;
  EXPECT_EQ(CodigoDe([&] { LeeFicheroMuestra((carpeta.ruta / "no.bin").string()); }), codigo::FicheroNoExiste);
  EXPECT_EQ(CodigoDe([&] { LeeFicheroMuestra((carpeta.ruta / "no" / "m.bin").string()); }), codigo::CaminoNoEncontrado);
  EXPECT_EQ(CodigoDe([&] { LeeFicheroMuestra(carpeta.Escribe("corto.bin", "abc")); }), codigo::FinDeFichero);
  EXPECT_NE(CodigoDe([&] { LeeFicheroMuestra(carpeta.ruta.string()); }), 0);
  // A pipe nobody writes to ends the read at once instead of waiting.
  const auto tubo = carpeta.ruta / "tubo";
  ASSERT_EQ(::mkfifo(tubo.c_str(), 0666), 0);
  EXPECT_EQ(CodigoDe([&] { LeeFicheroMuestra(tubo.string()); }), codigo::FinDeFichero);

  // A file nobody may write reads, also for a user who is not its owner
  // (root may write anything, so the child gives that up first).
  const std::string soloLectura = carpeta.Escribe("fijo.bin", Muestra());
  fs::permissions(soloLectura, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const pid_t hijo = ::fork();
  ASSERT_GE(hijo, 0);
  if (hijo == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
    ::_exit(CodigoDe([&] { LeeFicheroMuestra(soloLectura); }) == 0 ? 0 : 1);
  }
  int estado = 0;
  ASSERT_EQ(::waitpid(hijo, &estado, 0), hijo);
  EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << estado;
}

TEST(FicheroMuestra, RingGreyLevels) {
  const struct {
    float v;
    int gris;
  } casos[] = {{380, 0}, {1e30f, 0}, {190, 128}, {0, 255}, {-3, 255}, {-1e30f, 255}, {1.5f, 254}, {379.9f, 1}};
  for (const auto& c : casos) EXPECT_EQ(GrisAnillo(c.v), c.gris) << c.v;
}

TEST(FicheroMuestra, TheProgramsOwnFolderComesFirst) {
  CarpetaTemporal propia, datos;
  const std::string instalada = (datos.ruta / "muestra2.bin").string();
  EXPECT_EQ(RutaMuestra("muestra2.bin", propia.ruta.string(), datos.ruta.string()), instalada);
  const std::string junto = propia.Escribe("muestra2.bin", Muestra());
  EXPECT_EQ(RutaMuestra("muestra2.bin", propia.ruta.string(), datos.ruta.string()), junto);
  fs::create_directory(propia.ruta / "muestra3.bin");
  EXPECT_EQ(RutaMuestra("muestra3.bin", propia.ruta.string(), datos.ruta.string()),
            (datos.ruta / "muestra3.bin").string());
}

}  // namespace
}  // namespace varlek
