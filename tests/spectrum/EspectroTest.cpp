// The sample-file reader and the reflection lists of figures, a sample made
// the spectrum on screen with its ring, where the program looks for the
// samples, and the operations on a spectrum and its plot's axes.

#include <sys/stat.h>

#include "apoyo/Comun.h"
#include "apoyo/Impresion.h"
#include "spectrum/DatosFigura.h"
#include "spectrum/Ejes.h"
#include "spectrum/FicheroMuestra.h"
#include "spectrum/OperacionesEspectro.h"
#include "state/Numeros.h"

namespace varlek {
namespace {

namespace fs = std::filesystem;
using prueba::CodigoDe;

// Every kind of record 1 and 2, bytes after the last point, and what does not
// fit (tests/spectrum/casos): what each reads to, or its error.
TEST(FicheroMuestra, StoredCases) {
  for (const auto& caso : prueba::Casos("spectrum/casos", ".bin")) {
    std::ostringstream s;
    try {
      const DatosMuestra d = LeeMuestra(prueba::LeeFichero(caso));
      s << "cabecera " << d.cabecera.index() << ' ';
      PrintTo(d.cabecera, &s);
      s << "\ninicio " << d.inicio << "\npuntos ";
      PrintTo(d.puntos, &s);
    } catch (const ErrorVarlek& e) {
      s << "error " << e.Codigo();
    }
    EXPECT_TRUE(prueba::ComoVolcado(s.str() + '\n', caso));
  }
}

// The reflection lists a figure marks (tests/spectrum/casos/*.marcas): the
// companions' own listings and lines written by hand.
TEST(LeeMarcas, StoredCases) {
  for (const auto& caso : prueba::Casos("spectrum/casos", ".marcas")) {
    std::ostringstream s;
    for (const Marca& m : LeeMarcas(prueba::LeeFichero(caso))) s << m.dosTheta << ' ' << m.texto << '\n';
    EXPECT_TRUE(prueba::ComoVolcado(s.str(), caso));
  }
}

// A sample on screen: its header, start angle and points, the end angle
// kept, the angle back at 5°. Its ring runs from 5° to 105° whatever the
// start angle, grey by 255/380 per plot unit.
TEST(FicheroMuestra, ASampleOnScreenAndItsRing) {
  Estado e;
  AsignaValoresIniciales(e);
  e.EspectroMax = 60, e.DeltaRad = 1;
  DatosMuestra d{std::int16_t{7}, 12, {}};
  d.puntos[9] = 3;
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
  const prueba::CarpetaTemporal carpeta;
  fs::create_directories(carpeta / "muestra3.bin");
  auto codigo = [&](const char* nombre) { return CodigoDe([&] { LeeFicheroMuestra((carpeta / nombre).string()); }); };
  EXPECT_EQ(codigo("no.bin"), codigo::FicheroNoExiste);
  ASSERT_EQ(::mkfifo((carpeta / "tubo").c_str(), 0666), 0);
  EXPECT_EQ(codigo("tubo"), codigo::FinDeFichero);
  const std::string programa = carpeta.Ruta(), datos = carpeta / "datos", sinCarpeta = carpeta / "nada";
  EXPECT_EQ(RutaMuestra("muestra3.bin", programa, sinCarpeta), sinCarpeta + "/muestra3.bin");
  EXPECT_EQ(RutaMuestra("muestra1.bin", "/opt/x/bin", "../share/varlek"), "/opt/x/share/varlek/muestra1.bin");
  prueba::EscribeFichero(carpeta / "muestra2.bin", "x");
  EXPECT_EQ(RutaMuestra("muestra2.bin", programa, sinCarpeta), programa + "/muestra2.bin");
  // Missing from both places: a missing file while one folder exists, a
  // missing path only when neither does.
  auto codigoMuestra = [&](const std::string& dePrograma, const std::string& instalada) {
    return CodigoDe([&] { LeeFicheroMuestra(RutaMuestra("muestra1.bin", dePrograma, instalada)); });
  };
  EXPECT_EQ(codigoMuestra(programa, sinCarpeta), codigo::FicheroNoExiste);
  EXPECT_EQ(codigoMuestra(sinCarpeta, programa), codigo::FicheroNoExiste);
  EXPECT_EQ(codigoMuestra(sinCarpeta, sinCarpeta), codigo::CaminoNoEncontrado);
  fs::create_directories(datos);
  prueba::EscribeFichero(datos + "/muestra1.bin", "x");
  EXPECT_EQ(RutaMuestra("muestra1.bin", programa, datos), datos + "/muestra1.bin");
}

TEST(Suaviza, WorkedValuesInsideAndAtBothEnds) {
  // As a float shows them (seven digits): the double sums of stored floats
  // need not land on the float nearest each decimal. Each point already sees
  // its smoothed predecessors.
  const struct {
    int pico, desde;
    std::vector<const char*> esperados;
  } casos[] = {{200, 198, {" 1", " 1.2", " 1.44", " .528", " .3936", " .18432"}},
               {0, 0, {" 1", " .25", " .25", " .1"}},
               {400, 397, {" 0", " .6", " .9", " 1.5"}}};
  for (const auto& c : casos) {
    Espectro401 e;
    e[c.pico] = c.pico == 200 ? 5 : 3;
    Suaviza(e);
    for (int k = 0; k < static_cast<int>(c.esperados.size()); ++k)
      EXPECT_EQ(FormateaNumero(e[c.desde + k]), c.esperados[k]) << c.desde + k;
  }
  for (const float valor : {123.456f, 3.3e37f}) {
    Espectro401 constante;
    constante.Rellena(valor);
    Suaviza(constante);
    for (float p : constante) EXPECT_EQ(p, valor);
  }
}

TEST(OperacionesPuntoAPunto, FloatResultsAndOverflowChangesNothing) {
  Espectro401 e, registro, enorme;
  for (int i = 0; i <= 400; ++i) e[i] = 0.37f * i - 20, registro[i] = 0.5f * (400 - i);
  auto producto = e, suma = e;
  Multiplica(producto, -0.7f);
  SumaRegistro(suma, registro);
  for (int i = 0; i <= 400; ++i) {
    EXPECT_EQ(producto[i], -0.7f * e[i]) << i;
    EXPECT_EQ(suma[i], e[i] + registro[i]) << i;
  }

  // Only the last point overflows, after all the others have been computed.
  e[400] = 3e37f;
  enorme[400] = 3.4e38f;
  auto puntos = e;
  EXPECT_EQ(prueba::CodigoDe([&] { Multiplica(puntos, 20); }), codigo::Desbordamiento);
  EXPECT_EQ(puntos, e);
  EXPECT_EQ(prueba::CodigoDe([&] { SumaRegistro(puntos, enorme); }), codigo::Desbordamiento);
  EXPECT_EQ(puntos, e);
}

// Each point of a spectrum stands on the plot where the cursor readout shows
// its own angle, from the left edge to the right one.
TEST(Ejes, EachPointStandsAtItsAngle) {
  for (int i = 0; i <= 400; ++i) {
    EXPECT_EQ(TextoAnguloEn(5, 105, XDeRanura(i)), FormateaNumero(5 + 0.25f * i)) << i;
    EXPECT_EQ(TextoAnguloEn(20, 60, XDeRanura(i)), FormateaNumero(20 + i / 10.0f)) << i;
  }
  EXPECT_EQ(XDeRanura(400), 100);
}

}  // namespace
}  // namespace varlek
