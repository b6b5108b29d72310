#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "apoyo/CodigoError.h"
#include "apoyo/Impresion.h"
#include "files/FicheroDatos.h"
#include "state/Numeros.h"

namespace varlek {
namespace {

namespace fs = std::filesystem;
using prueba::CodigoDe;

// The lines of a file of the default range and 401 zeros.
std::vector<std::string> Lineas() {
  std::vector<std::string> lineas = {"", "5", "105"};
  lineas.resize(404, "0");
  return lineas;
}

std::string Une(const std::vector<std::string>& lineas, const std::string& fin = "\r\n") {
  std::string texto;
  for (const auto& l : lineas) texto += l + fin;
  return texto;
}

TEST(TextoDatos, HeaderLinesAsWrittenAndRead) {
  const struct {
    std::optional<Valor> escrito;  // the header that writes the line, if one does
    std::string linea;
    Valor leido;
  } casos[] = {{std::monostate{}, "", std::monostate{}},
               {7.5, "7.5", 7.5},
               {std::string(" a, b "), "\" a, b \"", std::string(" a, b ")},
               {std::string("di \"x\"\r\n"), "\"di 'x'  \"", std::string("di 'x'  ")},
               {Nulo{}, "#NULL#", Nulo{}},
               {true, "#TRUE#", true},
               {std::int16_t{-3}, "-3", -3.0},
               {{}, "  -7.5D+02 ", -750.0},
               {{}, "\"7\"", std::string("7")},
               {{}, "\"dos\r\nlineas\" resto", std::string("dos\r\nlineas")},
               {{}, "5abc ", std::string("5abc")}};
  for (const auto& c : casos) {
    auto lineas = Lineas();
    lineas[0] = c.linea;
    if (c.escrito) {
      EXPECT_EQ(TextoDatos({*c.escrito, 5, 105, {}}), Une(lineas));
    }
    EXPECT_EQ(LeeDatos(Une(lineas)).cabecera, c.leido) << c.linea;
  }
}

TEST(LeeDatos, NumberFormsAndFieldEndsOfEveryWriter) {
  auto lineas = Lineas();
  lineas[0] = "\"cabecera\"", lineas[1] = "1E39", lineas[2] = "50.5";  // the start angle is a double
  for (int i = 0; i <= 400; ++i) lineas[3 + i] = TextoExacto(i / 8.0f);
  // Points 1 to 7 as other writers write them: no zero before the point, E or D exponents, quotes, blanks, a sign.
  const char* formas[] = {".125", "0.25", "3.75E-01", "5D-1", "\"0.625\"", "\t 0.75", "+8.75e-1"};
  std::copy(std::begin(formas), std::end(formas), lineas.begin() + 4);
  const std::string crlf = Une(lineas);
  // Every line end, commas, blanks; the last two: no line end after the last field, and whatever follows the
  // 404th field.
  for (const std::string& forma :
       {crlf, Une(lineas, "\n"), Une(lineas, "\r"), Une(lineas, ",\r\n"), Une(lineas, " , \n"), Une(lineas, ","),
        Une(lineas, "\r\n \t"), crlf.substr(0, crlf.size() - 2), crlf + "basura,\"\r\n1E99\r\n"}) {
    const auto d = LeeDatos(forma);
    EXPECT_EQ(d.cabecera, Valor(std::string("cabecera"))) << forma.substr(0, 60);
    EXPECT_EQ(d.minimo, 1e39) << forma.substr(0, 60);
    EXPECT_EQ(d.maximo, 50.5f) << forma.substr(0, 60);
    for (int i = 0; i <= 400; ++i) ASSERT_EQ(d.puntos[i], i / 8.0f) << i << " in " << forma.substr(0, 60);
  }
}

// A loaded file's range becomes the scan range; the same range keeps a
// stopped scan where it stood.
TEST(AplicaDatos, TheFilesRangeBecomesTheScanRange) {
  Estado e;
  AsignaValoresIniciales(e);
  e.DeltaRad = 1;
  DatosEspectro d{std::string("otra"), 5, 105, {}};
  d.puntos[9] = 7;
  EXPECT_FALSE(AplicaDatos(e, d));
  EXPECT_EQ(e.DeltaRad, 1);
  EXPECT_EQ(e.Espectro, d.puntos);
  EXPECT_EQ(e.EspectroCabecera, d.cabecera);
  d.minimo = 20, d.maximo = 60;
  EXPECT_TRUE(AplicaDatos(e, d));
  EXPECT_EQ(e.EspectroMin, 20);
  EXPECT_EQ(e.EspectroMax, 60.0f);
  EXPECT_EQ(e.DeltaMin, 20);
}

std::string Contenido(const fs::path& ruta) { return (std::ostringstream() << std::ifstream(ruta).rdbuf()).str(); }

void Escribe(const fs::path& ruta, const std::string& texto) { std::ofstream(ruta, std::ios::binary) << texto; }

// Each test works in a folder of its own, removed afterwards.
class FicheroDatosDisco : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string plantilla = (fs::temp_directory_path() / "varlek-datos-XXXXXX").string();
    ASSERT_NE(::mkdtemp(plantilla.data()), nullptr);
    carpeta_ = plantilla;
  }
  void TearDown() override { fs::remove_all(carpeta_); }

  std::set<std::string> Entradas() const {
    std::set<std::string> nombres;
    for (const auto& e : fs::directory_iterator(carpeta_)) nombres.insert(e.path().filename().string());
    return nombres;
  }

  fs::path carpeta_;
};

TEST_F(FicheroDatosDisco, SaveThenLoadGivesBackEveryBitThroughALinkAndKeepsPermissions) {
  // A peak over a sloping background, as a scan gives: values whose floats need eight or nine digits.
  DatosEspectro d{std::string("Muestra de cuarzo, 2θ"), 5.123456789012345, 104.99999f, {}};
  for (int i = 0; i <= 400; ++i)
    d.puntos[i] = static_cast<float>(412.7 * std::exp(-std::pow((i - 187) / 23.0, 2)) + 3.1 + i / 97.0);

  // A name with accents and blanks, reached through a link that must stay a link.
  const fs::path real = carpeta_ / "difracción del ñandú 1.ASC", enlace = carpeta_ / "enlace.ASC";
  const auto permisos = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  Escribe(real, "anterior");
  fs::permissions(real, permisos);
  fs::create_symlink(real.filename(), enlace);
  const mode_t mascara = ::umask(022);
  SalvaDatos(enlace, d);
  SalvaDatos(carpeta_ / "nuevo.ASC", {});
  ::umask(mascara);
  EXPECT_TRUE(fs::is_symlink(enlace));
  EXPECT_EQ(fs::status(real).permissions(), permisos);
  EXPECT_EQ(fs::status(carpeta_ / "nuevo.ASC").permissions(), permisos | fs::perms::others_read);
  EXPECT_EQ(Entradas(), (std::set<std::string>{real.filename(), "enlace.ASC", "nuevo.ASC"}));
  EXPECT_EQ(Contenido(real).rfind("\"Muestra de cuarzo, 2θ\"\r\n", 0), 0u);
  const auto leido = CargaDatos(real);
  EXPECT_EQ(leido.cabecera, d.cabecera);
  EXPECT_EQ(leido.minimo, d.minimo);
  EXPECT_EQ(leido.maximo, d.maximo);
  EXPECT_EQ(leido.puntos, d.puntos);
}

TEST_F(FicheroDatosDisco, LoadReadsFieldsAcrossItsReadingBlocks) {
  // A long header moves the 64 KiB boundary of the reading blocks into a
  // number (65520), between a field and its CR (65531) and between CR and LF
  // (65530, 65533).
  for (const std::size_t largo : {65520u, 65530u, 65531u, 65533u}) {
    auto lineas = Lineas();
    lineas[0] = "\"" + std::string(largo, 'h') + "\"";
    for (int i = 0; i <= 400; ++i) lineas[3 + i] = std::to_string(1000 + i) + ".5";
    Escribe(carpeta_ / "largo.ASC", Une(lineas));
    const auto leido = CargaDatos(carpeta_ / "largo.ASC");
    EXPECT_EQ(leido.cabecera, Valor(std::string(largo, 'h'))) << largo;
    for (int i = 0; i <= 400; ++i) ASSERT_EQ(leido.puntos[i], 1000.5f + i) << largo << " " << i;
  }
}

TEST_F(FicheroDatosDisco, LoadFailuresCarryTheirCodes) {
  const std::string completo = Une(Lineas());
  // Nothing is written for an empty content.
  const std::tuple<std::string, std::string, int> casos[] = {
      {"no-existe.ASC", "", codigo::FicheroNoExiste},
      {"no-hay/datos.ASC", "", codigo::CaminoNoEncontrado},
      {"", "", codigo::AccesoIncorrecto},       // the folder
      {"/dev/zero", "", codigo::FinDeFichero},  // endless; an absolute name replaces the folder
      {"corto.ASC", completo.substr(0, completo.size() - 101 * 3), codigo::FinDeFichero},  // 300 points
      {"comilla.ASC", "\"sin cerrar\r\n" + completo.substr(2), codigo::FinDeFichero},
      {"maximo.ASC", "\r\n5\r\n1E39\r\n" + completo.substr(10), codigo::Desbordamiento}};
  for (const auto& [nombre, contenido, esperado] : casos) {
    if (!contenido.empty()) Escribe(carpeta_ / nombre, contenido);
    EXPECT_EQ(CodigoDe([&] { CargaDatos(carpeta_ / nombre); }), esperado) << nombre;
  }
}

TEST_F(FicheroDatosDisco, AFailedSaveKeepsTheOldFileAndLeavesNoTemporary) {
  const fs::path ruta = carpeta_ / "guardado.ASC";
  Escribe(ruta, "anterior");
  DatosEspectro infinito;
  infinito.puntos[7] = std::numeric_limits<float>::infinity();
  // A file size limit makes the writes themselves fail, as a full disk does.
  rlimit limite{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limite), 0);
  const auto senal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit corto = limite;
  corto.rlim_cur = 1000;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &corto), 0);
  const int lleno = CodigoDe([&] { SalvaDatos(ruta, DatosEspectro{}); });
  ::setrlimit(RLIMIT_FSIZE, &limite);
  std::signal(SIGXFSZ, senal);
  EXPECT_EQ(lleno, codigo::DiscoLleno);
  EXPECT_EQ(CodigoDe([&] { SalvaDatos(ruta, infinito); }), codigo::Desbordamiento);
  EXPECT_EQ(CodigoDe([&] { SalvaDatos(carpeta_ / "no-hay/a.ASC", {}); }), codigo::CaminoNoEncontrado);
  EXPECT_EQ(CodigoDe([&] { SalvaDatos(carpeta_, {}); }), codigo::AccesoIncorrecto);
  EXPECT_EQ(Contenido(ruta), "anterior");
  EXPECT_EQ(Entradas(), std::set<std::string>{"guardado.ASC"});

  if (!fs::is_character_file("/dev/full")) GTEST_SKIP() << "sin /dev/full";
  EXPECT_EQ(CodigoDe([] { SalvaDatos("/dev/full", {}); }), codigo::DiscoLleno);
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  for (const auto& e : fs::directory_iterator("/dev"))
    EXPECT_NE(e.path().filename().string().rfind(".varlek-", 0), 0u) << e.path();
}

}  // namespace
}  // namespace varlek
