// The powder generator against physics on the shipped structures: a
// kinematic sum written out here atom by atom, with no symmetry, decides
// which lines there are, where they stand and how strong they are.

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <complex>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <numbers>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "spectrum/FicheroMuestra.h"
#include "spectrum/PerfilPolvo.h"
#include "spectrum/ReflexionesPolvo.h"

namespace varlek {
namespace {

namespace fs = std::filesystem;
constexpr double kLambda = 1.5418;
constexpr double kPi = std::numbers::pi;

// Cromer–Mann coefficients of the International Tables (1992): a1..a4, b1..b4, c.
using Coeficientes = std::array<double, 9>;
constexpr Coeficientes kCu{13.338, 7.1676, 5.6158, 1.6735, 3.5828, 0.247, 11.3966, 64.8126, 1.191};
constexpr Coeficientes kNa{4.7626, 3.1736, 1.2674, 1.1128, 3.285, 8.8422, 0.3136, 129.424, 0.676};
constexpr Coeficientes kCl{11.4604, 7.1964, 6.2556, 1.6455, 0.0104, 1.1662, 18.5194, 47.7784, -9.5574};
constexpr Coeficientes kSi{6.2915, 3.0353, 1.9891, 1.541, 2.4386, 32.3337, 0.6785, 81.6937, 1.1407};

double FactorAtomico(const Coeficientes& c, double s2) {
  double f = c[8];
  for (int i = 0; i < 4; ++i) f += c[i] * std::exp(-c[4 + i] * s2);
  return f;
}

struct Atomo {
  std::array<double, 3> r;
  const Coeficientes* f;
  double B;
};

// The atoms of a face-centred cell with a basis.
std::vector<Atomo> CentradaEnCaras(const std::vector<Atomo>& base) {
  std::vector<Atomo> celda;
  for (const Atomo& a : base)
    for (const auto& t : {std::array<double, 3>{0, 0, 0}, {0, .5, .5}, {.5, 0, .5}, {.5, .5, 0}})
      celda.push_back({{a.r[0] + t[0], a.r[1] + t[1], a.r[2] + t[2]}, a.f, a.B});
  return celda;
}

struct Linea {
  double dosTheta;
  int multiplicidad = 0;
  double f2 = 0;  // of one reflection
  double intensidad = 0;
};

// Every hkl of the cube, |F|² summed atom by atom, lines by h² + k² + l²;
// lines with no intensity are the absent ones.
std::map<int, Linea> SumaCinematica(double a, const std::vector<Atomo>& celda) {
  std::map<int, Linea> lineas;
  for (int h = -9; h <= 9; ++h)
    for (int k = -9; k <= 9; ++k)
      for (int l = -9; l <= 9; ++l) {
        const int n = h * h + k * k + l * l;
        const double seno = kLambda * std::sqrt(n) / (2 * a);
        if (n == 0 || seno > std::sin(54 * kPi / 180)) continue;
        const double s2 = n / (4 * a * a);
        std::complex<double> F = 0;
        for (const Atomo& at : celda)
          F += FactorAtomico(*at.f, s2) * std::exp(-at.B * s2) *
               std::polar(1.0, 2 * kPi * (h * at.r[0] + k * at.r[1] + l * at.r[2]));
        Linea& linea = lineas[n];
        const double theta = std::asin(seno);
        linea.dosTheta = 2 * theta * 180 / kPi;
        linea.multiplicidad += 1;
        linea.f2 = std::norm(F);
        const double c2 = std::cos(2 * theta);
        linea.intensidad += std::norm(F) * (1 + c2 * c2) / (seno * seno * std::cos(theta));
      }
  return lineas;
}

std::string Lee(const fs::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

struct Sustancia {
  const char* cif;
  double a;
  std::vector<Atomo> celda;
};

std::vector<Sustancia> Sustancias() {
  return {
      {"cobre.cif", 3.615, CentradaEnCaras({{{0, 0, 0}, &kCu, 0.55}})},
      {"halita.cif", 5.640, CentradaEnCaras({{{0, 0, 0}, &kNa, 1.60}, {{.5, .5, .5}, &kCl, 1.20}})},
      {"silicio.cif", 5.431, CentradaEnCaras({{{0, 0, 0}, &kSi, 0.46}, {{.25, .25, .25}, &kSi, 0.46}})},
  };
}

// Area and centre of a peak over a straight baseline through the mean of the
// points 1° to 1.5° away on each side.
struct Medida {
  double area, centro;
};
Medida MidePico(const Espectro401& p, double dosTheta) {
  auto angulo = [](int i) { return 5 + i * 0.25; };
  double izq = 0, der = 0;
  int nIzq = 0, nDer = 0;
  for (int i = 0; i <= 400; ++i) {
    const double x = angulo(i) - dosTheta;
    if (x >= -1.5 && x < -1) izq += p[i], ++nIzq;
    if (x > 1 && x <= 1.5) der += p[i], ++nDer;
  }
  izq /= nIzq;
  der /= nDer;
  double area = 0, momento = 0;
  for (int i = 0; i <= 400; ++i) {
    const double x = angulo(i) - dosTheta;
    if (std::abs(x) > 1) continue;
    const double v = p[i] - (izq + (der - izq) * (x + 1.25) / 2.5);
    area += v;
    momento += v * angulo(i);
  }
  return {area, momento / area};
}

TEST(Polvo, ShippedStructuresAgainstAKinematicSum) {
  for (const Sustancia& s : Sustancias()) {
    SCOPED_TRACE(s.cif);
    const std::map<int, Linea> esperadas = SumaCinematica(s.a, s.celda);
    std::vector<Linea> presentes, ausentes;
    for (const auto& [n, l] : esperadas) (l.f2 > 1e-6 ? presentes : ausentes).push_back(l);

    // The lines: one for each spacing with a structure factor, its
    // multiplicity and |F|² (a site on a special position counted once).
    const CristalPolvo cristal = LineasDeCif(Lee(fs::path(VARLEK_DATOS) / s.cif), kLambda, 2, 108);
    ASSERT_EQ(cristal.lineas.size(), presentes.size());
    EXPECT_EQ(cristal.atomosCelda, static_cast<int>(s.celda.size()));
    double maximo = 0, maximoEsperado = 0;
    for (std::size_t i = 0; i < presentes.size(); ++i) {
      maximo = std::max(maximo, cristal.lineas[i].intensidad);
      maximoEsperado = std::max(maximoEsperado, presentes[i].intensidad);
    }
    for (std::size_t i = 0; i < presentes.size(); ++i) {
      const LineaPolvo& l = cristal.lineas[i];
      EXPECT_NEAR(l.dosTheta, presentes[i].dosTheta, 1e-3);
      EXPECT_EQ(l.multiplicidad, presentes[i].multiplicidad) << l.dosTheta;
      EXPECT_NEAR(l.f2, presentes[i].f2, 2e-3 * presentes[i].f2) << l.dosTheta;
      EXPECT_NEAR(l.intensidad / maximo, presentes[i].intensidad / maximoEsperado, 5e-3) << l.dosTheta;
    }

    // The diffractogram: every line where Bragg's law puts it, its area in
    // proportion, the absent ones no higher than the background, the
    // strongest point near 400.
    const Espectro401 puntos = PerfilPolvo(cristal.lineas, OpcionesPerfil{});
    std::vector<Medida> medidas;
    double areaMaxima = 0;
    for (const Linea& l : presentes) {
      medidas.push_back(l.dosTheta > 6.5 && l.dosTheta < 103.5 ? MidePico(puntos, l.dosTheta) : Medida{0, 0});
      areaMaxima = std::max(areaMaxima, medidas.back().area);
    }
    for (std::size_t i = 0; i < presentes.size(); ++i) {
      if (medidas[i].area == 0) continue;
      const double esperada = presentes[i].intensidad / maximoEsperado, medida = medidas[i].area / areaMaxima;
      // Lines of a few hundredths of the strongest sit on the tails of their
      // neighbours: only their share of the total is bounded.
      if (esperada < 0.05) {
        EXPECT_NEAR(medida, esperada, 0.005) << presentes[i].dosTheta;
        continue;
      }
      EXPECT_NEAR(medidas[i].centro, presentes[i].dosTheta, 0.05);
      EXPECT_NEAR(medida, esperada, 0.05 * esperada) << presentes[i].dosTheta;
    }
    for (const Linea& l : ausentes) {
      if (l.dosTheta < 5 || l.dosTheta > 105) continue;
      const int i = static_cast<int>(std::lround((l.dosTheta - 5) * 4));
      EXPECT_LT(puntos[i] - FondoPolvo(5 + i * 0.25), 0.01 * 400) << "ausente en " << l.dosTheta;
    }
    float alto = 0;
    for (float v : puntos) alto = std::max(alto, v);
    EXPECT_GT(alto, 395);
    EXPECT_LT(alto, 420);
  }
}

TEST(Polvo, RockSaltsOddLinesAreWeak) {
  const CristalPolvo c = LineasDeCif(Lee(fs::path(VARLEK_DATOS) / "halita.cif"), kLambda, 5, 105);
  ASSERT_GE(c.lineas.size(), 2u);
  EXPECT_EQ(c.lineas[0].indices, (std::vector<std::array<int, 3>>{{1, 1, 1}}));
  EXPECT_EQ(c.lineas[1].indices, (std::vector<std::array<int, 3>>{{2, 0, 0}}));
  EXPECT_LT(c.lineas[0].intensidad, 0.2 * c.lineas[1].intensidad);
  const Espectro401 p = PerfilPolvo(c.lineas, OpcionesPerfil{});
  EXPECT_LT(MidePico(p, c.lineas[0].dosTheta).area, 0.2 * MidePico(p, c.lineas[1].dosTheta).area);
}

TEST(Polvo, TheSameStructureWrittenOutInP1GivesTheSameLines) {
  const std::string p1 =
      "data_cu_p1\n_cell_length_a 3.615\n_cell_length_b 3.615\n_cell_length_c 3.615\n"
      "_symmetry_space_group_name_H-M 'P 1'\n"
      "loop_\n_atom_site_label\n_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\n"
      "_atom_site_U_iso_or_equiv\n"
      "Cu1 0 0 0 0.0069656\nCu2 0 .5 .5 0.0069656\nCu3 .5 0 .5 0.0069656\nCu4 .5 .5 0 0.0069656\n";
  const std::string operaciones =
      "data_cu_ops\n_cell_length_a 3.615\n_cell_length_b 3.615\n_cell_length_c 3.615\n"
      "loop_\n_space_group_symop_operation_xyz\nx,y,z\nx,y+1/2,z+1/2\nx+1/2,y,z+1/2\nx+1/2,y+1/2,z\n"
      "loop_\n_atom_site_label\n_atom_site_type_symbol\n_atom_site_fract_x\n_atom_site_fract_y\n"
      "_atom_site_fract_z\n_atom_site_B_iso_or_equiv\nA Cu 0 0 0 0.55\n";
  const CristalPolvo cubica = LineasDeCif(Lee(fs::path(VARLEK_DATOS) / "cobre.cif"), kLambda, 5, 105);
  for (const std::string& texto : {p1, operaciones}) {
    const CristalPolvo otra = LineasDeCif(texto, kLambda, 5, 105);
    ASSERT_EQ(otra.lineas.size(), cubica.lineas.size());
    for (std::size_t i = 0; i < otra.lineas.size(); ++i) {
      EXPECT_NEAR(otra.lineas[i].dosTheta, cubica.lineas[i].dosTheta, 1e-9);
      EXPECT_NEAR(otra.lineas[i].intensidad, cubica.lineas[i].intensidad, 1e-3 * cubica.lineas[i].intensidad);
    }
  }
}

TEST(Polvo, ANarrowPeakCountsWholeWhereverItFalls) {
  // Two equal lines far narrower than a step, one on a point and one on the
  // edge between two points: each keeps its whole area.
  OpcionesPerfil o;
  o.U = o.V = 0;
  o.W = 0.0004;
  std::vector<LineaPolvo> lineas(2);
  lineas[0].dosTheta = 40;
  lineas[1].dosTheta = 60.125;
  lineas[0].intensidad = lineas[1].intensidad = 1;
  const Espectro401 p = PerfilPolvo(lineas, o);
  const Medida a = MidePico(p, 40), b = MidePico(p, 60.125);
  EXPECT_NEAR(b.area, a.area, 0.01 * a.area);
  EXPECT_NEAR(b.centro, 60.125, 0.01);
  // Widths as a laboratory instrument gives them.
  for (double dosTheta : {10.0, 50.0, 105.0}) {
    EXPECT_GE(AnchoCaglioti(dosTheta, OpcionesPerfil{}), 0.3);
    EXPECT_LE(AnchoCaglioti(dosTheta, OpcionesPerfil{}), 0.5);
  }
}

TEST(Polvo, CountingNoiseFollowsItsSeed) {
  const CristalPolvo c = LineasDeCif(Lee(fs::path(VARLEK_DATOS) / "silicio.cif"), kLambda, 2, 108);
  OpcionesPerfil sin, con, otra;
  con.semilla = 7;
  otra.semilla = 8;
  const Espectro401 limpio = PerfilPolvo(c.lineas, sin);
  const Espectro401 a = PerfilPolvo(c.lineas, con), b = PerfilPolvo(c.lineas, con), d = PerfilPolvo(c.lineas, otra);
  EXPECT_EQ(a, b);
  EXPECT_NE(a, d);
  // Poisson counts: the mean deviation near zero, the spread √(v / counts).
  double suma = 0, chi2 = 0;
  for (int i = 0; i <= 400; ++i) {
    const double diferencia = a[i] - limpio[i];
    suma += diferencia;
    chi2 += diferencia * diferencia / (limpio[i] / con.cuentas);
  }
  EXPECT_LT(std::abs(suma / 401), 0.2);
  EXPECT_NEAR(chi2 / 401, 1, 0.25);
}

TEST(Polvo, StructuresThatCannotBeUsedAreRefusedWithAReason) {
  const std::string cobre = Lee(fs::path(VARLEK_DATOS) / "cobre.cif");
  auto cambia = [&](const std::string& de, const std::string& a) {
    std::string t = cobre;
    const auto pos = t.find(de);
    EXPECT_NE(pos, std::string::npos) << de;
    return t.replace(pos, de.size(), a);
  };
  std::string grande = cobre;
  for (std::size_t pos; (pos = grande.find("3.615")) != std::string::npos;) grande.replace(pos, 5, "300");
  const struct {
    std::string texto;
    const char* motivo;
  } casos[] = {
      {"", "sitios"},
      {"\x01\x02 garbage ' unterminated", "CIF"},
      {cambia("_cell_length_a                   3.615\n_cell_length_b                   3.615\n"
              "_cell_length_c                   3.615\n",
              ""),
       "celda"},
      {cambia("3.615\n_cell_length_c", "0\n_cell_length_c"), "celda"},
      {cambia("Cu1 Cu", "Cu1 Zz"), "elemento desconocido"},
      {cambia("Cu1 Cu 0 0 0", "Cu1 Cu ? 0 0"), "coordenadas"},
      {cambia("_atom_site_fract_x\n", "_atom_site_fract_q\n"), "coordenadas"},
      {cambia("_space_group_name_H-M_alt        'F m -3 m'", ""), "grupo espacial"},
      {cambia("'F m -3 m'", "'Q 9 9'"), "grupo espacial desconocido"},
      {cambia("1 0.55", "7 0.55"), "ocupación"},
      {grande, "demasiado grande"},
  };
  for (const auto& c : casos) {
    try {
      LineasDeCif(c.texto, kLambda, 2, 108);
      ADD_FAILURE() << "aceptado: " << c.motivo;
    } catch (const ErrorEstructura& e) {
      EXPECT_NE(std::string(e.what()).find(c.motivo), std::string::npos) << e.what();
    }
  }
}

TEST(Polvo, GarbageStructuresEndInAnAnswerOrAReason) {
  std::mt19937 azar(31);
  std::vector<std::string> semillas;
  for (const auto& s : Sustancias()) semillas.push_back(Lee(fs::path(VARLEK_DATOS) / s.cif));
  for (int vez = 0; vez < 300; ++vez) {
    std::string t = semillas[vez % 3];
    const int cambios = 1 + static_cast<int>(azar() % 8);
    for (int j = 0; j < cambios; ++j) {
      const std::size_t pos = azar() % t.size();
      switch (azar() % 3) {
        case 0:
          t[pos] = static_cast<char>(azar() % 256);
          break;
        case 1:
          t.erase(pos, azar() % 20);
          break;
        default:
          t.insert(t.begin() + static_cast<std::ptrdiff_t>(pos), "0123456789.-?_ '\n"[azar() % 17]);
      }
      if (t.empty()) t.push_back('x');
    }
    try {
      const CristalPolvo c = LineasDeCif(t, kLambda, 2, 108);
      for (const auto& l : c.lineas) EXPECT_TRUE(std::isfinite(l.intensidad) && l.intensidad > 0);
    } catch (const ErrorEstructura&) {
    }
  }
}

TEST(Polvo, TheCompanionMakesTheShippedSamplesAndWritesNothingOnFailure) {
  const fs::path carpeta = fs::temp_directory_path() / ("varlek-polvo-" + std::to_string(::getpid()));
  fs::create_directories(carpeta);
  auto ejecuta = [](const std::string& argumentos) {
    return std::system((std::string(VARLEK_MUESTRA) + " " + argumentos + " >/dev/null 2>&1").c_str());
  };
  EXPECT_EQ(ejecuta("--help"), 0);
  const std::string datos = VARLEK_DATOS;
  // The build's samples are these structures with their seeds.
  const struct {
    const char* cif;
    const char* semilla;
    const char* muestra;
  } hechas[] = {
      {"halita.cif", "17", "muestra1.bin"}, {"silicio.cif", "29", "muestra2.bin"}, {"cobre.cif", "41", "muestra3.bin"}};
  for (const auto& h : hechas) {
    const fs::path salida = carpeta / h.muestra;
    ASSERT_EQ(ejecuta(std::string("--semilla ") + h.semilla + " " + datos + "/" + h.cif + " " + salida.string()), 0);
    EXPECT_EQ(Lee(salida), Lee(fs::current_path() / h.muestra)) << h.muestra;
    EXPECT_EQ(LeeFicheroMuestra(salida.string()).inicio, 5);
  }
  std::ofstream(carpeta / "malo.cif") << "data_x\n_cell_length_a 3\n";
  for (const char* mal : {"malo.cif", "falta.cif"}) {
    EXPECT_NE(ejecuta((carpeta / mal).string() + " " + (carpeta / "nada.bin").string()), 0);
    EXPECT_FALSE(fs::exists(carpeta / "nada.bin"));
  }
  EXPECT_NE(ejecuta("--lambda 0 " + datos + "/cobre.cif " + (carpeta / "nada.bin").string()), 0);
  EXPECT_NE(ejecuta(datos + "/cobre.cif"), 0);
  EXPECT_FALSE(fs::exists(carpeta / "nada.bin"));
  fs::remove_all(carpeta);
}

}  // namespace
}  // namespace varlek
