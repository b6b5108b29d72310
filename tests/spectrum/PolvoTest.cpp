// The powder generator: its lines and diffractograms, the structures it
// refuses, and the teachers' companion that writes samples with it.

#include <iomanip>

#include "apoyo/Comun.h"
#include "apoyo/Impresion.h"
#include "spectrum/FicheroMuestra.h"
#include "spectrum/PerfilPolvo.h"
#include "spectrum/ReflexionesPolvo.h"

namespace varlek {
namespace {

namespace fs = std::filesystem;
constexpr double kLambda = 1.5418;

std::string Cif(const char* nombre) { return prueba::LeeFichero(fs::path(VARLEK_DATOS) / nombre); }

// Area and centre of a peak over a straight baseline through the points 1°
// to 1.5° away on each side.
std::pair<double, double> MidePico(const Espectro401& p, double dosTheta) {
  double lado[2] = {0, 0}, area = 0, momento = 0;
  for (int i = 0; i <= 400; ++i)
    if (const double x = 5 + i * 0.25 - dosTheta; std::abs(x) > 1 && std::abs(x) <= 1.5) lado[x > 0] += p[i] / 2;
  for (int i = 0; i <= 400; ++i)
    if (const double x = 5 + i * 0.25 - dosTheta; std::abs(x) <= 1) {
      const double v = p[i] - (lado[0] + (lado[1] - lado[0]) * (x + 1.25) / 2.5);
      area += v;
      momento += v * (5 + i * 0.25);
    }
  return {area, momento / area};
}

// The shipped structures' lines (spacing, 2θ, multiplicity, |F|²,
// intensity, hkl) and diffractograms, against the dumps beside the
// structures that cannot be used (written from the code that matched a
// kinematic sum written out atom by atom with no symmetry: every line with a
// structure factor, multiplicities, |F|² within 0.2 %, intensities and peak
// areas within 0.5 %, peaks within 0.05° of Bragg's law).
TEST(Polvo, ShippedStructures) {
  for (const char* cif : {"cobre.cif", "halita.cif", "silicio.cif"}) {
    const CristalPolvo cristal = LineasDeCif(Cif(cif), kLambda, 2, 108);
    std::ostringstream s;
    s << std::setprecision(10) << cristal.nombre << ", " << cristal.grupo << ", " << cristal.atomosCelda << " átomos\n";
    for (const LineaPolvo& l : cristal.lineas) {
      s << l.d << ' ' << l.dosTheta << ' ' << l.multiplicidad << ' ' << l.f2 << ' ' << l.intensidad;
      for (const auto& [h, k, i] : l.indices) s << " (" << h << ' ' << k << ' ' << i << ')';
      s << '\n';
    }
    s << "perfil ";
    PrintTo(PerfilPolvo(cristal.lineas, OpcionesPerfil{}), &s);
    EXPECT_TRUE(prueba::ComoVolcado(s.str() + '\n', fs::path(VARLEK_FUENTES_PRUEBAS) / "spectrum/casos" / cif));
  }
}

TEST(Polvo, ANarrowPeakCountsWholeWhereverItFalls) {
  // Two equal lines far narrower than a step, one on a point and one on the
  // edge between two points.
  const std::vector<LineaPolvo> lineas = {{.dosTheta = 40, .intensidad = 1}, {.dosTheta = 60.125, .intensidad = 1}};
  const Espectro401 p = PerfilPolvo(lineas, {.U = 0, .V = 0, .W = 0.0004});
  EXPECT_NEAR(MidePico(p, 60.125).first, MidePico(p, 40).first, 0.01 * MidePico(p, 40).first);
  EXPECT_NEAR(MidePico(p, 60.125).second, 60.125, 0.01);
  for (double dosTheta : {10.0, 50.0, 105.0}) EXPECT_NEAR(AnchoCaglioti(dosTheta, OpcionesPerfil{}), 0.45, 0.06);
}

// Structures that cannot be used (tests/spectrum/casos) are refused with a
// reason, stored beside each.
TEST(Polvo, StructuresThatCannotBeUsedAreRefusedWithAReason) {
  for (const auto& caso : prueba::Casos("spectrum/casos", ".cif")) {
    std::string motivo = "aceptado\n";
    try {
      LineasDeCif(prueba::LeeFichero(caso), kLambda, 2, 108);
    } catch (const ErrorEstructura& e) {
      motivo = e.what() + std::string("\n");
    }
    EXPECT_TRUE(prueba::ComoVolcado(motivo, caso));
  }
}

TEST(Polvo, TheCompanionMakesTheShippedSamplesAndWritesNothingOnFailure) {
  const prueba::CarpetaTemporal carpeta;
  const std::string orden = VARLEK_MUESTRA " ", datos = VARLEK_DATOS "/", salida = (carpeta / "m.bin").string();
  ASSERT_EQ(prueba::Ejecuta(orden + "--semilla 41 " + datos + "cobre.cif " + salida).codigo, 0);
  EXPECT_EQ(prueba::LeeFichero(salida), prueba::LeeFichero(fs::current_path() / "muestra3.bin"));  // the shipped one
  fs::remove(salida);
  for (const std::string& mal : {datos + "halita.cif", datos + "falta.cif " + salida,
                                 "--lambda 0 " + datos + "cobre.cif " + salida, datos + "cobre.cif -x " + salida})
    EXPECT_NE(prueba::Ejecuta(orden + mal).codigo, 0) << mal;
  EXPECT_FALSE(fs::exists(salida));
}

}  // namespace
}  // namespace varlek
