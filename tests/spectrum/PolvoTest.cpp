// The powder generator against physics on the shipped structures: a
// kinematic sum written out here atom by atom, with no symmetry, decides
// which lines there are, where they stand and how strong they are.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <complex>
#include <filesystem>
#include <fstream>
#include <map>
#include <numbers>
#include <random>
#include <sstream>

#include "spectrum/FicheroMuestra.h"
#include "spectrum/PerfilPolvo.h"
#include "spectrum/ReflexionesPolvo.h"

namespace varlek {
namespace {

namespace fs = std::filesystem;
constexpr double kLambda = 1.5418, kPi = std::numbers::pi;

// Cromer–Mann coefficients of the International Tables (1992): a1..a4, b1..b4, c.
using Coeficientes = std::array<double, 9>;
constexpr Coeficientes kCu{13.338, 7.1676, 5.6158, 1.6735, 3.5828, 0.247, 11.3966, 64.8126, 1.191};
constexpr Coeficientes kNa{4.7626, 3.1736, 1.2674, 1.1128, 3.285, 8.8422, 0.3136, 129.424, 0.676};
constexpr Coeficientes kCl{11.4604, 7.1964, 6.2556, 1.6455, 0.0104, 1.1662, 18.5194, 47.7784, -9.5574};
constexpr Coeficientes kSi{6.2915, 3.0353, 1.9891, 1.541, 2.4386, 32.3337, 0.6785, 81.6937, 1.1407};

struct Atomo {
  std::array<double, 3> r;
  const Coeficientes* f;
  double B;
};

struct Linea {
  double dosTheta = 0, f2 = 0, intensidad = 0;
  int multiplicidad = 0;
};

// Every hkl of a face-centred cubic cell with the given basis, |F|² summed
// over the four translates of each atom, lines by h² + k² + l².
std::map<int, Linea> SumaCinematica(double a, const std::vector<Atomo>& base) {
  std::map<int, Linea> lineas;
  for (int h = -9; h <= 9; ++h)
    for (int k = -9; k <= 9; ++k)
      for (int l = -9; l <= 9; ++l) {
        const int n = h * h + k * k + l * l;
        const double s2 = n / (4 * a * a), seno = kLambda * std::sqrt(s2);
        if (n == 0 || seno > std::sin(54 * kPi / 180)) continue;
        std::complex<double> F = 0;
        for (const Atomo& at : base)
          for (const auto& t : {std::array<double, 3>{0, 0, 0}, {0, .5, .5}, {.5, 0, .5}, {.5, .5, 0}}) {
            double f = (*at.f)[8];
            for (int i = 0; i < 4; ++i) f += (*at.f)[i] * std::exp(-(*at.f)[4 + i] * s2);
            const double fase = h * (at.r[0] + t[0]) + k * (at.r[1] + t[1]) + l * (at.r[2] + t[2]);
            F += f * std::exp(-at.B * s2) * std::polar(1.0, 2 * kPi * fase);
          }
        const double theta = std::asin(seno), c2 = std::cos(2 * theta);
        Linea& linea = lineas[n];
        linea.dosTheta = 2 * theta * 180 / kPi;
        linea.multiplicidad += 1;
        linea.f2 = std::norm(F);
        linea.intensidad += std::norm(F) * (1 + c2 * c2) / (seno * seno * std::cos(theta));
      }
  return lineas;
}

std::string Lee(const fs::path& ruta) { return (std::ostringstream() << std::ifstream(ruta).rdbuf()).str(); }
std::string Cif(const char* nombre) { return Lee(fs::path(VARLEK_DATOS) / nombre); }

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

TEST(Polvo, ShippedStructuresAgainstAKinematicSum) {
  const struct {
    const char* cif;
    double a;
    std::vector<Atomo> base;
  } sustancias[] = {{"cobre.cif", 3.615, {{{0, 0, 0}, &kCu, 0.55}}},
                    {"halita.cif", 5.640, {{{0, 0, 0}, &kNa, 1.60}, {{.5, .5, .5}, &kCl, 1.20}}},
                    {"silicio.cif", 5.431, {{{0, 0, 0}, &kSi, 0.46}, {{.25, .25, .25}, &kSi, 0.46}}}};
  for (const auto& s : sustancias) {
    SCOPED_TRACE(s.cif);
    std::vector<Linea> presentes;
    for (const auto& [n, l] : SumaCinematica(s.a, s.base))
      if (l.f2 > 1e-6) presentes.push_back(l);
    const Linea fuerte = std::ranges::max(presentes, {}, &Linea::intensidad);

    // One line per spacing with a structure factor, with its multiplicity
    // and |F|² (a site on a special position counted once).
    const CristalPolvo cristal = LineasDeCif(Cif(s.cif), kLambda, 2, 108);
    ASSERT_EQ(cristal.lineas.size(), presentes.size());
    EXPECT_EQ(cristal.atomosCelda, 4 * static_cast<int>(s.base.size()));
    const double suMaximo = std::ranges::max(cristal.lineas, {}, &LineaPolvo::intensidad).intensidad;
    for (std::size_t i = 0; i < presentes.size(); ++i) {
      const LineaPolvo& l = cristal.lineas[i];
      EXPECT_NEAR(l.dosTheta, presentes[i].dosTheta, 1e-3);
      EXPECT_EQ(l.multiplicidad, presentes[i].multiplicidad) << l.dosTheta;
      EXPECT_NEAR(l.f2, presentes[i].f2, 2e-3 * presentes[i].f2) << l.dosTheta;
      EXPECT_NEAR(l.intensidad / suMaximo, presentes[i].intensidad / fuerte.intensidad, 5e-3) << l.dosTheta;
    }

    // The diffractogram: every strong line where Bragg's law puts it, its
    // area in proportion, the strongest point near 400 over the background.
    const Espectro401 p = PerfilPolvo(cristal.lineas, OpcionesPerfil{});
    const double areaFuerte = MidePico(p, fuerte.dosTheta).first;
    for (const Linea& l : presentes) {
      const double esperada = l.intensidad / fuerte.intensidad;
      if (esperada < 0.05 || l.dosTheta < 6.5 || l.dosTheta > 103.5) continue;
      const auto [area, centro] = MidePico(p, l.dosTheta);
      EXPECT_NEAR(area / areaFuerte, esperada, 0.05 * esperada) << l.dosTheta;
      EXPECT_NEAR(centro, l.dosTheta, 0.05);
    }
    EXPECT_NEAR(*std::max_element(p.begin(), p.end()), 405, 10);
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

TEST(Polvo, StructuresThatCannotBeUsedAreRefusedWithAReason) {
  auto cambia = [](std::string de, const std::string& a) {
    std::string t = Cif("cobre.cif");
    for (std::size_t pos; (pos = t.find(de)) != std::string::npos;) t.replace(pos, de.size(), a);
    return t;
  };
  const std::pair<std::string, const char*> casos[] = {
      {"\x01 garbage ' unterminated", "CIF"},
      {cambia("_cell_length_", "_cell_foo_"), "celda"},
      {cambia("Cu1 Cu", "Cu1 Zz"), "elemento desconocido"},
      {cambia("Cu1 Cu 0 0 0", "Cu1 Cu ? 0 0"), "coordenadas"},
      {cambia("_atom_site_fract_x\n", "_atom_site_fract_q\n"), "coordenadas"},
      {cambia("'F m -3 m'", "'Q 9 9'"), "grupo espacial desconocido"},
      {cambia("3.615", "300"), "demasiado grande"},
  };
  for (const auto& [texto, motivo] : casos) {
    try {
      LineasDeCif(texto, kLambda, 2, 108);
      ADD_FAILURE() << "aceptado: " << motivo;
    } catch (const ErrorEstructura& e) {
      EXPECT_NE(std::string(e.what()).find(motivo), std::string::npos) << e.what();
    }
  }
  // Mutated structures end in lines or in a reason, never in a crash.
  std::mt19937 azar(31);
  for (int vez = 0; vez < 300; ++vez) {
    std::string t = Cif(vez % 2 ? "halita.cif" : "silicio.cif");
    for (int j = 0; j < 4; ++j) t[azar() % t.size()] = static_cast<char>(azar() % 256);
    t.erase(azar() % t.size(), azar() % 20);
    try {
      for (const auto& l : LineasDeCif(t, kLambda, 2, 108).lineas) {
        EXPECT_GT(l.intensidad, 0);
        EXPECT_LT(l.intensidad, 1e30);
      }
    } catch (const ErrorEstructura&) {
    }
  }
}

TEST(Polvo, TheCompanionMakesTheShippedSamplesAndWritesNothingOnFailure) {
  const std::string orden = std::string(VARLEK_MUESTRA) + " ", datos = std::string(VARLEK_DATOS) + "/",
                    salida = (fs::temp_directory_path() / ("varlek-polvo-" + std::to_string(::getpid()))).string();
  auto ejecuta = [&](const std::string& argumentos) {
    return std::system((orden + argumentos + " 2>/dev/null").c_str());
  };
  ASSERT_EQ(ejecuta("--semilla 41 " + datos + "cobre.cif " + salida), 0);
  EXPECT_EQ(Lee(salida), Lee(fs::current_path() / "muestra3.bin"));  // the shipped one, with its seed
  fs::remove(salida);
  for (const std::string& mal : {datos + "halita.cif", datos + "falta.cif " + salida,
                                 "--lambda 0 " + datos + "cobre.cif " + salida, datos + "cobre.cif -x " + salida})
    EXPECT_NE(ejecuta(mal), 0) << mal;
  EXPECT_FALSE(fs::exists(salida));
}

}  // namespace
}  // namespace varlek
