#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <bit>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "apoyo/CodigoError.h"
#include "files/FicheroDatos.h"
#include "state/ErrorVarlek.h"
#include "state/Estado.h"
#include "state/Numeros.h"

namespace varlek {
namespace {

namespace fs = std::filesystem;

// The lines of a file: header, start angle, end angle, 401 points.
std::vector<std::string> LineasBase() {
  std::vector<std::string> lineas = {"", "5", "105"};
  lineas.resize(404, "0");
  return lineas;
}

std::string Une(const std::vector<std::string>& lineas, const std::string& fin = "\r\n") {
  std::string texto;
  for (const auto& l : lineas) texto += l + fin;
  return texto;
}

// A spectrum like a scan's: a peak over a sloping background, values whose
// floats need eight or nine digits to come back.
DatosEspectro EspectroRealista() {
  DatosEspectro d;
  d.cabecera = std::string("Muestra de cuarzo, 2θ");
  d.minimo = 5.123456789012345;
  d.maximo = 104.99999f;
  for (int i = 0; i <= 400; ++i) {
    const double x = (i - 187) / 23.0;
    d.puntos[i] = static_cast<float>(412.7 * std::exp(-x * x) + 3.1 + i / 97.0);
  }
  return d;
}

std::uint32_t Bits(float f) { return std::bit_cast<std::uint32_t>(f); }

TEST(TextoDatos, FileOfAFreshStateHoldsTheDefaultRangeAndZeros) {
  Estado e;
  AsignaValoresIniciales(e);
  std::string esperado = "\r\n5\r\n105\r\n";
  for (int i = 0; i < 401; ++i) esperado += "0\r\n";
  EXPECT_EQ(TextoDatos(DatosDePantalla(e)), esperado);
}

TEST(TextoDatos, HeaderKindsAreWrittenInFormsThatReadBack) {
  struct Caso {
    Valor escrito;
    std::string linea;
    Valor leido;
  };
  const Caso casos[] = {
      {std::monostate{}, "", std::monostate{}},
      {7.5, "7.5", 7.5},
      {std::string("hola"), "\"hola\"", std::string("hola")},
      {std::string(" a, b "), "\" a, b \"", std::string(" a, b ")},
      {std::string("di \"x\"\r\n"), "\"di 'x'  \"", std::string("di 'x'  ")},
      {Nulo{}, "#NULL#", Nulo{}},
      {true, "#TRUE#", true},
      {false, "#FALSE#", false},
      {std::int16_t{-3}, "-3", -3.0},
      {std::uint8_t{200}, "200", 200.0},
      {0.1f, ".1", static_cast<double>(0.1)},
  };
  for (const auto& c : casos) {
    DatosEspectro d;
    d.cabecera = c.escrito;
    const std::string texto = TextoDatos(d);
    EXPECT_EQ(texto.substr(0, texto.find("\r\n")), c.linea);
    EXPECT_EQ(LeeDatos(texto).cabecera, c.leido) << c.linea;
  }
}

TEST(TextoDatos, ValuesTheFileCannotCarryAreRefused) {
  for (const float malo : {std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()}) {
    DatosEspectro d;
    d.puntos[123] = malo;
    EXPECT_EQ(prueba::CodigoDe([&] { TextoDatos(d); }), codigo::Desbordamiento);
  }
  DatosEspectro d;
  d.minimo = std::numeric_limits<double>::infinity();
  EXPECT_EQ(prueba::CodigoDe([&] { TextoDatos(d); }), codigo::Desbordamiento);
}

TEST(LeeDatos, NumberFormsOfEveryWriter) {
  struct Caso {
    const char* texto;
    float valor;
  };
  const Caso casos[] = {
      {".25", 0.25f},    {"0.25", 0.25f},  {"2.5E-01", 0.25f},      {"2.5D-01", 0.25f},
      {"2.5e-1", 0.25f}, {"  .25", 0.25f}, {"\t .25", 0.25f},       {"-.25", -0.25f},
      {"+.25", 0.25f},   {".25  ", 0.25f}, {"123.4568", 123.4568f}, {"1.234568E+07", 12345680.0f},
      {"abc", 0.0f},     {"", 0.0f},       {"\"12.5\"", 12.5f},     {"3abc", 3.0f},
  };
  for (const auto& c : casos) {
    auto lineas = LineasBase();
    lineas[3 + 17] = c.texto;
    lineas[3 + 18] = "9";
    const auto d = LeeDatos(Une(lineas));
    EXPECT_EQ(d.puntos[17], c.valor) << c.texto;
    EXPECT_EQ(d.puntos[18], 9.0f) << c.texto;
  }
}

TEST(LeeDatos, FieldsEndAtCommasAndAtEveryKindOfLineEnd) {
  auto lineas = LineasBase();
  lineas[0] = "\"cabecera\"";
  lineas[1] = "10";
  lineas[2] = "50.5";
  for (int i = 0; i <= 400; ++i) lineas[3 + i] = TextoExacto(static_cast<float>(i) / 8);
  const auto referencia = LeeDatos(Une(lineas));
  ASSERT_EQ(referencia.cabecera, Valor(std::string("cabecera")));
  ASSERT_EQ(referencia.puntos[400], 50.0f);

  std::string unaLinea;
  for (const auto& l : lineas) unaLinea += l + ",";
  std::string conBlancos;
  for (const auto& l : lineas) conBlancos += " \t" + l + "\r\n";
  const std::string formas[] = {Une(lineas, "\n"),
                                Une(lineas, "\r"),
                                Une(lineas, ",\r\n"),
                                Une(lineas, " ,\n"),
                                unaLinea,
                                conBlancos,
                                Une(lineas).substr(0, Une(lineas).size() - 2)};
  for (const auto& forma : formas) {
    const auto d = LeeDatos(forma);
    EXPECT_EQ(d.cabecera, referencia.cabecera);
    EXPECT_EQ(d.minimo, 10.0);
    EXPECT_EQ(d.maximo, 50.5f);
    EXPECT_EQ(d.puntos, referencia.puntos) << forma.substr(0, 40);
  }
}

TEST(LeeDatos, HeaderField) {
  struct Caso {
    const char* linea;
    Valor cabecera;
  };
  const Caso casos[] = {
      {"", std::monostate{}},
      {"   ", std::monostate{}},
      {"7", 7.0},
      {"  -7.5E+02 ", -750.0},
      {"\"7\"", std::string("7")},
      {"\"a, b\"", std::string("a, b")},
      {"\"texto\" resto", std::string("texto")},
      {"sin comillas ", std::string("sin comillas")},
      {"5abc", std::string("5abc")},
      {"\"\"", std::string()},
  };
  for (const auto& c : casos) {
    auto lineas = LineasBase();
    lineas[0] = c.linea;
    const auto d = LeeDatos(Une(lineas));
    EXPECT_EQ(d.cabecera, c.cabecera) << c.linea;
    EXPECT_EQ(d.minimo, 5.0) << c.linea;
  }
  // A quoted header may span lines; what follows its closing quote is the next field.
  const auto d = LeeDatos("\"dos\r\nlineas\"\r\n" + Une(LineasBase()).substr(2));
  EXPECT_EQ(d.cabecera, Valor(std::string("dos\r\nlineas")));
  EXPECT_EQ(d.maximo, 105.0f);
}

TEST(LeeDatos, ShortFilesAndValuesOutOfRangeAreErrors) {
  auto lineas = LineasBase();
  const std::string completo = Une(lineas);
  lineas.resize(3 + 300);
  EXPECT_EQ(prueba::CodigoDe([&] { LeeDatos(Une(lineas)); }), codigo::FinDeFichero);
  EXPECT_EQ(prueba::CodigoDe([&] { LeeDatos(completo.substr(0, completo.size() - 3)); }), codigo::FinDeFichero);
  EXPECT_EQ(prueba::CodigoDe([&] { LeeDatos(""); }), codigo::FinDeFichero);
  EXPECT_EQ(prueba::CodigoDe([&] { LeeDatos("\"sin cerrar\r\n" + completo.substr(2)); }), codigo::FinDeFichero);

  for (int linea : {2, 4, 403}) {
    lineas = LineasBase();
    lineas[linea] = "1E39";
    EXPECT_EQ(prueba::CodigoDe([&] { LeeDatos(Une(lineas)); }), codigo::Desbordamiento) << linea;
  }
  lineas = LineasBase();
  lineas[1] = "1E39";
  EXPECT_EQ(LeeDatos(Une(lineas)).minimo, 1e39);

  // Whatever follows the 404th field is not read.
  EXPECT_EQ(LeeDatos(completo + "basura,\"\r\n1E99\r\n").puntos, LeeDatos(completo).puntos);
}

// Each test works in a folder of its own, removed afterwards.
class FicheroDatosDisco : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string plantilla = (fs::temp_directory_path() / "varlek-datos-XXXXXX").string();
    ASSERT_NE(::mkdtemp(plantilla.data()), nullptr);
    carpeta_ = plantilla;
  }
  void TearDown() override { fs::remove_all(carpeta_); }

  std::string Ruta(const std::string& nombre) const { return (carpeta_ / nombre).string(); }

  std::set<std::string> Entradas() const {
    std::set<std::string> nombres;
    for (const auto& e : fs::directory_iterator(carpeta_)) nombres.insert(e.path().filename().string());
    return nombres;
  }

  static std::string Contenido(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
  }

  static void Escribe(const std::string& ruta, const std::string& texto) {
    std::ofstream(ruta, std::ios::binary) << texto;
  }

  fs::path carpeta_;
};

TEST_F(FicheroDatosDisco, SaveThenLoadGivesBackEveryBit) {
  const auto d = EspectroRealista();
  // The test means something only if seven digits would not do.
  int perdidos = 0;
  for (float p : d.puntos) perdidos += static_cast<float>(LeeNumero(FormateaNumero(p))) != p;
  ASSERT_GT(perdidos, 100);

  const auto ruta = Ruta("cuarzo.ASC");
  SalvaDatos(ruta, d);
  const std::string bytes = Contenido(ruta);
  EXPECT_EQ(bytes.substr(0, bytes.find("\r\n")), "\"Muestra de cuarzo, 2θ\"");
  const auto leido = CargaDatos(ruta);
  EXPECT_EQ(leido.cabecera, d.cabecera);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(leido.minimo), std::bit_cast<std::uint64_t>(d.minimo));
  EXPECT_EQ(Bits(leido.maximo), Bits(d.maximo));
  for (int i = 0; i <= 400; ++i) EXPECT_EQ(Bits(leido.puntos[i]), Bits(d.puntos[i])) << i;
}

TEST_F(FicheroDatosDisco, LoadReadsFieldsAcrossItsReadingBlocks) {
  // A long header moves the 64 KiB boundary of the reading blocks into a
  // number (65520), between a field and its CR (65531) and between CR and LF
  // (65530, 65533).
  for (const std::size_t largo : {65520u, 65530u, 65531u, 65533u}) {
    auto lineas = LineasBase();
    lineas[0] = "\"" + std::string(largo, 'h') + "\"";
    for (int i = 0; i <= 400; ++i) lineas[3 + i] = std::to_string(1000 + i) + ".5";
    const auto ruta = Ruta("largo.ASC");
    Escribe(ruta, Une(lineas));
    const auto leido = CargaDatos(ruta);
    EXPECT_EQ(leido.cabecera, Valor(std::string(largo, 'h')));
    EXPECT_EQ(leido.minimo, 5.0) << largo;
    EXPECT_EQ(leido.maximo, 105.0f) << largo;
    for (int i = 0; i <= 400; ++i) ASSERT_EQ(leido.puntos[i], 1000.5f + i) << largo << " " << i;
  }
}

TEST_F(FicheroDatosDisco, LoadFailuresCarryTheirCodes) {
  EXPECT_EQ(prueba::CodigoDe([&] { CargaDatos(Ruta("no-existe.ASC")); }), codigo::FicheroNoExiste);
  EXPECT_EQ(prueba::CodigoDe([&] { CargaDatos(Ruta("no-hay/datos.ASC")); }), codigo::CaminoNoEncontrado);
  EXPECT_EQ(prueba::CodigoDe([&] { CargaDatos(carpeta_.string()); }), codigo::AccesoIncorrecto);
  auto lineas = LineasBase();
  lineas.resize(303);
  Escribe(Ruta("corto.ASC"), Une(lineas));
  EXPECT_EQ(prueba::CodigoDe([&] { CargaDatos(Ruta("corto.ASC")); }), codigo::FinDeFichero);
}

TEST_F(FicheroDatosDisco, LoadOfAnEndlessDeviceStops) {
  if (!fs::is_character_file("/dev/zero")) GTEST_SKIP() << "sin /dev/zero";
  EXPECT_EQ(prueba::CodigoDe([] { CargaDatos("/dev/zero"); }), codigo::FinDeFichero);
}

TEST_F(FicheroDatosDisco, SavingOverAFileReplacesItAndKeepsItsPermissions) {
  const auto ruta = Ruta("viejo.ASC");
  Escribe(ruta, "contenido anterior");
  fs::permissions(ruta, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const auto d = EspectroRealista();
  SalvaDatos(ruta, d);
  EXPECT_EQ(Contenido(ruta), TextoDatos(d));
  EXPECT_EQ(fs::status(ruta).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Entradas(), std::set<std::string>{"viejo.ASC"});
}

TEST_F(FicheroDatosDisco, ANewFileGetsTheUsualPermissions) {
  const mode_t anterior = ::umask(022);
  SalvaDatos(Ruta("nuevo.ASC"), DatosEspectro{});
  ::umask(anterior);
  EXPECT_EQ(fs::status(Ruta("nuevo.ASC")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
}

TEST_F(FicheroDatosDisco, SavingThroughALinkReplacesTheFileItPointsTo) {
  fs::create_directory(carpeta_ / "datos");
  Escribe(Ruta("datos/real.ASC"), "anterior");
  fs::create_symlink("datos/real.ASC", carpeta_ / "enlace.ASC");
  const auto d = EspectroRealista();
  SalvaDatos(Ruta("enlace.ASC"), d);
  EXPECT_TRUE(fs::is_symlink(carpeta_ / "enlace.ASC"));
  EXPECT_EQ(Contenido(Ruta("datos/real.ASC")), TextoDatos(d));
  EXPECT_EQ(Entradas(), (std::set<std::string>{"datos", "enlace.ASC"}));
}

TEST_F(FicheroDatosDisco, NamesWithAccentsAndBlanks) {
  const auto ruta = Ruta("difracción del ñandú 1.ASC");
  const auto d = EspectroRealista();
  SalvaDatos(ruta, d);
  EXPECT_TRUE(fs::exists(carpeta_ / "difracción del ñandú 1.ASC"));
  EXPECT_EQ(CargaDatos(ruta).puntos, d.puntos);
}

TEST_F(FicheroDatosDisco, AFailedSaveKeepsTheOldFileAndLeavesNoTemporary) {
  const auto ruta = Ruta("guardado.ASC");
  Escribe(ruta, "anterior");

  DatosEspectro invalido;
  invalido.puntos[7] = std::numeric_limits<float>::infinity();
  EXPECT_EQ(prueba::CodigoDe([&] { SalvaDatos(ruta, invalido); }), codigo::Desbordamiento);
  EXPECT_EQ(Contenido(ruta), "anterior");

  // A file size limit makes the writes themselves fail, as a full disk does.
  rlimit limite{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limite), 0);
  const auto senal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit corto = limite;
  corto.rlim_cur = 1000;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &corto), 0);
  const int codigoLleno = prueba::CodigoDe([&] { SalvaDatos(ruta, EspectroRealista()); });
  ::setrlimit(RLIMIT_FSIZE, &limite);
  std::signal(SIGXFSZ, senal);
  EXPECT_EQ(codigoLleno, codigo::DiscoLleno);
  EXPECT_EQ(Contenido(ruta), "anterior");
  EXPECT_EQ(Entradas(), std::set<std::string>{"guardado.ASC"});

  EXPECT_EQ(prueba::CodigoDe([&] { SalvaDatos(Ruta("no-hay/guardado.ASC"), DatosEspectro{}); }),
            codigo::CaminoNoEncontrado);
  EXPECT_EQ(prueba::CodigoDe([&] { SalvaDatos(carpeta_.string(), DatosEspectro{}); }), codigo::AccesoIncorrecto);
  EXPECT_EQ(Entradas(), std::set<std::string>{"guardado.ASC"});
}

TEST_F(FicheroDatosDisco, SavingToAFullDeviceReportsItAndLeavesTheDevice) {
  if (!fs::is_character_file("/dev/full")) GTEST_SKIP() << "sin /dev/full";
  EXPECT_EQ(prueba::CodigoDe([] { SalvaDatos("/dev/full", DatosEspectro{}); }), codigo::DiscoLleno);
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  for (const auto& e : fs::directory_iterator("/dev"))
    EXPECT_NE(e.path().filename().string().rfind(".varlek-", 0), 0u) << e.path();
}

}  // namespace
}  // namespace varlek
