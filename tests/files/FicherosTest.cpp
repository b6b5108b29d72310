// The data-file reader and writer, on stored cases and on disk, and the
// registers X, Y and Z.

#include <sys/resource.h>
#include <sys/stat.h>

#include <cmath>
#include <csignal>
#include <iomanip>
#include <limits>
#include <set>

#include "apoyo/Comun.h"
#include "apoyo/Impresion.h"
#include "files/FicheroDatos.h"
#include "files/Registros.h"
#include "state/Numeros.h"

namespace varlek {
namespace {

namespace fs = std::filesystem;
using prueba::CodigoDe;

// What a file reads to: the header by its kind and value, the range, the
// points (runs of equal ones as one), and the first three lines the writer
// gives back for it; or its error.
std::string Vuelca(const fs::path& ruta) {
  constexpr const char* kTipos[] = {"vacia", "nula", "logica", "byte", "entero", "real", "doble", "texto"};
  try {
    const DatosEspectro d = CargaDatos(ruta), deTexto = LeeDatos(prueba::LeeFichero(ruta));
    std::ostringstream s;
    s << std::setprecision(17) << "cabecera " << kTipos[d.cabecera.index()] << ' ';
    PrintTo(d.cabecera, &s);
    s << "\nminimo " << d.minimo << "\nmaximo " << d.maximo << "\npuntos ";
    PrintTo(d.puntos, &s);
    const std::string escrito = TextoDatos(d);
    s << "\nescrito " << escrito.substr(0, escrito.find("\r\n", escrito.find("\r\n", escrito.find("\r\n") + 2) + 2))
      << '\n';
    EXPECT_TRUE(deTexto.cabecera == d.cabecera && deTexto.minimo == d.minimo && deTexto.maximo == d.maximo &&
                deTexto.puntos == d.puntos)
        << ruta;
    return s.str();
  } catch (const ErrorVarlek& e) {
    return "error " + std::to_string(e.Codigo()) + '\n';
  }
}

// Headers, number forms and field ends of every writer, and files that end
// too soon or hold a value beyond its range (tests/files/casos), each read
// from disk and from memory.
TEST(LeeDatos, StoredCases) {
  for (const auto& caso : prueba::Casos("files/casos", ".ASC")) EXPECT_TRUE(prueba::ComoVolcado(Vuelca(caso), caso));
  // Headers no file holds: quotes become apostrophes; a 16-bit integer.
  EXPECT_TRUE(TextoDatos({std::string("di \"x\""), 5, 105, {}}).starts_with("\"di 'x'\"\r\n"));
  EXPECT_TRUE(TextoDatos({std::int16_t{-3}, 5, 105, {}}).starts_with("-3\r\n"));
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

// Each test works in a folder of its own, removed afterwards.
class FicheroDatosDisco : public ::testing::Test {
 protected:
  std::set<std::string> Entradas() const {
    std::set<std::string> nombres;
    for (const auto& e : fs::directory_iterator(carpeta_.Ruta())) nombres.insert(e.path().filename().string());
    return nombres;
  }

  prueba::CarpetaTemporal carpeta_;
};

TEST_F(FicheroDatosDisco, SaveThenLoadGivesBackEveryBitThroughALinkAndKeepsPermissions) {
  // A peak over a sloping background, as a scan gives: values whose floats need eight or nine digits.
  DatosEspectro d{std::string("Muestra de cuarzo, 2θ"), 5.123456789012345, 104.99999f, {}};
  for (int i = 0; i <= 400; ++i)
    d.puntos[i] = static_cast<float>(412.7 * std::exp(-std::pow((i - 187) / 23.0, 2)) + 3.1 + i / 97.0);

  // A name with accents and blanks, reached through a link that must stay a link.
  const fs::path real = carpeta_ / "difracción del ñandú 1.ASC", enlace = carpeta_ / "enlace.ASC";
  const auto permisos = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  prueba::EscribeFichero(real, "anterior");
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
  EXPECT_EQ(prueba::LeeFichero(real).rfind("\"Muestra de cuarzo, 2θ\"\r\n", 0), 0u);
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
    DatosEspectro d{std::string(largo, 'h'), 5, 105, {}};
    for (int i = 0; i <= 400; ++i) d.puntos[i] = 1000.5f + i;
    prueba::EscribeFichero(carpeta_ / "largo.ASC", TextoDatos(d));
    const auto leido = CargaDatos(carpeta_ / "largo.ASC");
    EXPECT_EQ(leido.cabecera, d.cabecera) << largo;
    EXPECT_EQ(leido.puntos, d.puntos) << largo;
  }
}

TEST_F(FicheroDatosDisco, LoadFailuresCarryTheirCodes) {
  const std::pair<std::string, int> casos[] = {
      {"no-existe.ASC", codigo::FicheroNoExiste},
      {"no-hay/datos.ASC", codigo::CaminoNoEncontrado},
      {"", codigo::AccesoIncorrecto},        // the folder
      {"/dev/zero", codigo::FinDeFichero}};  // endless; an absolute name replaces the folder
  for (const auto& [nombre, esperado] : casos)
    EXPECT_EQ(CodigoDe([&] { CargaDatos(carpeta_ / nombre); }), esperado) << nombre;
}

// Inputs longer than the fuzzer hands the reader: a header beyond the kept
// 64 KiB, and a million lines, of which the reader takes the first 404 fields.
TEST(LeeDatos, AHugeHeaderIsCutAndAMillionLinesReadTheirFirstFields) {
  const DatosEspectro d = LeeDatos(TextoDatos({std::string(200000, 'x'), 5, 105, {}}));
  EXPECT_EQ(std::get<std::string>(d.cabecera), std::string(64 * 1024, 'x'));
  EXPECT_EQ(d.maximo, 105.0f);
  std::string millonDeLineas;
  for (int i = 0; i < 1000000; ++i) millonDeLineas += std::to_string(i % 1000) + "\n";
  EXPECT_EQ(LeeDatos(millonDeLineas).puntos[400], 403.0f);
}

TEST_F(FicheroDatosDisco, AFailedSaveKeepsTheOldFileAndLeavesNoTemporary) {
  const fs::path ruta = carpeta_ / "guardado.ASC";
  prueba::EscribeFichero(ruta, "anterior");
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
  EXPECT_EQ(CodigoDe([&] { SalvaDatos(carpeta_.Ruta(), {}); }), codigo::AccesoIncorrecto);
  EXPECT_EQ(prueba::LeeFichero(ruta), "anterior");
  EXPECT_EQ(Entradas(), std::set<std::string>{"guardado.ASC"});

  if (!fs::is_character_file("/dev/full")) GTEST_SKIP() << "sin /dev/full";
  EXPECT_EQ(CodigoDe([] { SalvaDatos("/dev/full", {}); }), codigo::DiscoLleno);
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  for (const auto& e : fs::directory_iterator("/dev"))
    EXPECT_NE(e.path().filename().string().rfind(".varlek-", 0), 0u) << e.path();
}

Estado ConPantalla() {
  Estado e;
  AsignaValoresIniciales(e);
  for (int i = 0; i <= 400; ++i) e.Espectro[i] = static_cast<float>(i) / 2;
  e.EspectroCabecera = std::string("pantalla");
  return e;
}

// Each register keeps its own copy of the screen: range, header and points,
// and nothing of the other two.
TEST(Registros, CopyInKeepsTheScreenInThatRegisterOnly) {
  const std::pair<LetraRegistro, char> registros[] = {
      {LetraRegistro::X, 'X'}, {LetraRegistro::Y, 'Y'}, {LetraRegistro::Z, 'Z'}};
  for (const auto& [letra, nombre] : registros) {
    Estado e = ConPantalla();
    Estado esperado = e;
    CopiaEnRegistro(e, letra);
    const Registro r = RegistroDe(esperado, letra);
    r.puntos = e.Espectro, r.cabecera = e.EspectroCabecera, r.minimo = 5, r.maximo = 105;
    EXPECT_EQ(e, esperado) << nombre;
    EXPECT_TRUE(MismoRango(e, letra)) << nombre;
    const DatosEspectro d = DatosDeRegistro(e, letra);
    EXPECT_EQ(d.minimo, 5);
    EXPECT_EQ(d.puntos, e.Espectro);
  }
}

// A register of another range replaces the screen's range and points; the
// screen keeps its header. A range that differs by a float's rounding differs.
TEST(Registros, AnotherRangeReplacesTheScreenButNotItsHeader) {
  Estado e = ConPantalla();
  CopiaEnRegistro(e, LetraRegistro::Y);
  e.EspectroMax = 105.00001f;
  EXPECT_FALSE(MismoRango(e, LetraRegistro::Y));
  e.RegistroYMin = 20;
  e.RegistroY.Rellena(3);
  ReemplazaPantalla(e, LetraRegistro::Y);
  EXPECT_EQ(e.EspectroMin, 20);
  EXPECT_EQ(e.EspectroMax, 105.0f);
  EXPECT_EQ(e.Espectro, e.RegistroY);
  EXPECT_EQ(e.EspectroCabecera, Valor(std::string("pantalla")));
  EXPECT_TRUE(MismoRango(e, LetraRegistro::Y));
}

}  // namespace
}  // namespace varlek
