#include "spectrum/ReflexionesPolvo.h"

#include <algorithm>
#include <cmath>
#include <gemmi/cif.hpp>
#include <gemmi/it92.hpp>
#include <gemmi/sfcalc.hpp>
#include <gemmi/smcif.hpp>
#include <gemmi/symmetry.hpp>
#include <set>

#include "state/Angulos.h"

namespace varlek {
namespace {

// Bounds that keep a huge cell from running for minutes: reflections looked
// at, the terms of their structure factors, and atoms in the cell.
constexpr double kMaximoReflexiones = 4e6;
constexpr double kMaximoTerminos = 5e8;
constexpr std::size_t kMaximoAtomos = 20000;

std::string Texto(const std::string* valor) { return valor ? gemmi::cif::as_string(*valor) : std::string(); }

// The first of the tags the block holds, as a text.
std::string PrimerValor(gemmi::cif::Block& bloque, std::initializer_list<const char*> etiquetas) {
  for (const char* etiqueta : etiquetas)
    if (const std::string* v = bloque.find_value(etiqueta); v && !gemmi::cif::is_null(*v)) return Texto(v);
  return {};
}

double Numero(gemmi::cif::Block& bloque, const char* etiqueta, double siFalta) {
  const std::string* v = bloque.find_value(etiqueta);
  if (!v || gemmi::cif::is_null(*v)) return siFalta;
  return gemmi::cif::as_number(*v);
}

gemmi::UnitCell Celda(gemmi::cif::Block& bloque) {
  const double a = Numero(bloque, "_cell_length_a", NAN), b = Numero(bloque, "_cell_length_b", NAN),
               c = Numero(bloque, "_cell_length_c", NAN);
  if (std::isnan(a) && std::isnan(b) && std::isnan(c))
    throw ErrorEstructura("el fichero no da la celda (_cell_length_a, _cell_length_b, _cell_length_c)");
  const double alfa = Numero(bloque, "_cell_angle_alpha", 90), beta = Numero(bloque, "_cell_angle_beta", 90),
               gamma = Numero(bloque, "_cell_angle_gamma", 90);
  auto longitud = [](double x) { return x > 0.1 && x < 1000; };
  auto angulo = [](double x) { return x > 0 && x < 180; };
  if (!longitud(a) || !longitud(b) || !longitud(c) || !angulo(alfa) || !angulo(beta) || !angulo(gamma))
    throw ErrorEstructura(
        "la celda no es válida: las aristas deben estar entre 0.1 y 1000 Å y los ángulos entre 0 y 180°");
  gemmi::UnitCell celda(a, b, c, alfa, beta, gamma);
  if (!(celda.volume > 0)) throw ErrorEstructura("los ángulos de la celda no forman una celda (volumen nulo)");
  return celda;
}

// The symmetry operations: the listed ones, else those of the Hermann–Mauguin
// or the Hall symbol.
gemmi::GroupOps Simetria(gemmi::cif::Block& bloque, const gemmi::UnitCell& celda) {
  for (const char* etiqueta : {"_space_group_symop_operation_xyz", "_symmetry_equiv_pos_as_xyz"}) {
    gemmi::cif::Column columna = bloque.find_values(etiqueta);
    if (!columna || columna.length() == 0) continue;
    std::vector<gemmi::Op> ops;
    for (const std::string& v : columna) {
      const std::string triplete = gemmi::cif::as_string(v);
      try {
        ops.push_back(gemmi::parse_triplet(triplete));
      } catch (const std::exception&) {
        throw ErrorEstructura("operación de simetría no válida: \"" + triplete + "\"");
      }
    }
    try {
      return gemmi::split_centering_vectors(ops);
    } catch (const std::exception&) {
      throw ErrorEstructura("las operaciones de simetría no forman un grupo");
    }
  }
  const std::string hm = PrimerValor(bloque, {"_space_group_name_H-M_alt", "_symmetry_space_group_name_H-M"});
  if (!hm.empty()) {
    const gemmi::SpaceGroup* sg = gemmi::find_spacegroup_by_name(hm, celda.alpha, celda.gamma);
    if (!sg) throw ErrorEstructura("grupo espacial desconocido: \"" + hm + "\"");
    return sg->operations();
  }
  const std::string hall = PrimerValor(bloque, {"_space_group_name_Hall", "_symmetry_space_group_name_Hall"});
  if (!hall.empty()) {
    try {
      return gemmi::symops_from_hall(hall.c_str());
    } catch (const std::exception&) {
      throw ErrorEstructura("símbolo de Hall no válido: \"" + hall + "\"");
    }
  }
  throw ErrorEstructura("el fichero no da el grupo espacial (ni sus operaciones de simetría)");
}

void CompruebaSitios(gemmi::cif::Block& bloque, const gemmi::SmallStructure& st) {
  if (st.sites.empty()) throw ErrorEstructura("el fichero no da ningún sitio atómico (_atom_site_label)");
  for (const char* etiqueta : {"_atom_site_fract_x", "_atom_site_fract_y", "_atom_site_fract_z"})
    if (!bloque.find_values(etiqueta))
      throw ErrorEstructura(std::string("los sitios atómicos no tienen coordenadas (falta ") + etiqueta + ")");
  for (const auto& s : st.sites) {
    if (!std::isfinite(s.fract.x) || !std::isfinite(s.fract.y) || !std::isfinite(s.fract.z))
      throw ErrorEstructura("el sitio " + s.label + " no tiene coordenadas");
    if (s.element == gemmi::El::X)
      throw ErrorEstructura("elemento desconocido en el sitio " + s.label + ": \"" + s.type_symbol + "\"");
    if (!(s.occ >= 0 && s.occ <= 1.0001))
      throw ErrorEstructura("la ocupación del sitio " + s.label + " no está entre 0 y 1");
    if (!(s.u_iso >= 0 && s.u_iso < 10))
      throw ErrorEstructura("el factor de temperatura del sitio " + s.label + " no es válido");
  }
}

gemmi::cif::Block& BloqueConSitios(gemmi::cif::Document& doc) {
  for (gemmi::cif::Block& b : doc.blocks)
    if (b.find_values("_atom_site_label") || b.find_values("_atom_site_type_symbol")) return b;
  throw ErrorEstructura("el fichero no tiene ningún bloque de datos con sitios atómicos (_atom_site_)");
}

struct Reflexion {
  double inversoD2;
  double f2;
  std::array<int, 3> hkl;
};

// The name of the form an hkl belongs to: the largest of its equivalents
// (Friedel mates included), so 1-11 and 111 of a cubic crystal are both 111.
std::array<int, 3> Forma(const std::array<int, 3>& hkl, const gemmi::GroupOps& ops) {
  std::array<int, 3> mayor = hkl;
  for (const gemmi::Op& op : ops.sym_ops) {
    const gemmi::Miller m = op.apply_to_hkl({{hkl[0], hkl[1], hkl[2]}});
    mayor = std::max({mayor, {m[0], m[1], m[2]}, {-m[0], -m[1], -m[2]}});
  }
  return mayor;
}

}  // namespace

double LorentzPolarizacion(double dosThetaGrados) {
  const double dosTheta = ARadianes(dosThetaGrados), theta = dosTheta / 2;
  const double c2 = std::cos(dosTheta), s = std::sin(theta);
  return (1 + c2 * c2) / (s * s * std::cos(theta));
}

CristalPolvo LineasDeCif(std::string_view textoCif, double lambda, double desde, double hasta) {
  gemmi::cif::Document doc;
  try {
    doc = gemmi::cif::read_memory(textoCif.data(), textoCif.size(), "cif");
  } catch (const std::exception& e) {
    throw ErrorEstructura(std::string("no es un fichero CIF válido (") + e.what() + ")");
  }
  gemmi::cif::Block& bloque = BloqueConSitios(doc);
  gemmi::SmallStructure st;
  try {
    st = gemmi::make_small_structure_from_block(bloque);
  } catch (const std::exception& e) {
    throw ErrorEstructura(std::string("los sitios atómicos no se pueden leer (") + e.what() + ")");
  }
  st.cell = Celda(bloque);
  CompruebaSitios(bloque, st);
  const gemmi::GroupOps ops = Simetria(bloque, st.cell);
  st.cell.images.clear();
  for (const gemmi::Op& op : ops)
    if (op != gemmi::Op::identity())
      st.cell.images.push_back(gemmi::Transform{gemmi::rot_as_mat33(op), gemmi::tran_as_vec3(op)});

  CristalPolvo cristal;
  cristal.nombre = st.name;
  const gemmi::SpaceGroup* sg = gemmi::find_spacegroup_by_ops(ops);
  cristal.grupo = sg ? sg->xhm() : "(sin nombre)";

  // Every atom of the cell once, whatever position its site has: a site on a
  // special position gives fewer atoms than there are operations.
  if (st.sites.size() * (st.cell.images.size() + 1) > kMaximoAtomos * 4)
    throw ErrorEstructura("la estructura tiene demasiados átomos en la celda");
  gemmi::SmallStructure celda = st;
  celda.sites = st.get_all_unit_cell_sites();
  if (celda.sites.size() > kMaximoAtomos) throw ErrorEstructura("la estructura tiene demasiados átomos en la celda");
  for (auto& s : celda.sites) s.aniso = {0, 0, 0, 0, 0, 0};
  celda.cell.images.clear();
  cristal.atomosCelda = static_cast<int>(celda.sites.size());

  if (!(lambda > 0.1 && lambda < 10)) throw ErrorEstructura("la longitud de onda debe estar entre 0.1 y 10 Å");
  const double maximoSeno = std::sin(ARadianes(std::min(hasta, 179.9)) / 2);
  const double minimoSeno = std::sin(ARadianes(std::max(desde, 0.0)) / 2);
  const double maximoInverso = 2 * maximoSeno / lambda;  // 1/d at the end of the range
  int limite[3];
  double cuantas = 1;
  for (int i = 0; i < 3; ++i) {
    const double arista = i == 0 ? st.cell.a : i == 1 ? st.cell.b : st.cell.c;
    limite[i] = static_cast<int>(std::floor(arista * maximoInverso));
    cuantas *= 2.0 * limite[i] + 1;
  }
  if (cuantas > kMaximoReflexiones || cuantas * static_cast<double>(celda.sites.size()) > kMaximoTerminos)
    throw ErrorEstructura("la celda es demasiado grande para este intervalo de ángulos");

  double f000 = 0;
  for (const auto& s : celda.sites) f000 += s.occ * s.element.atomic_number();
  gemmi::StructureFactorCalculator<gemmi::IT92<double>> calculo(celda.cell);
  std::vector<Reflexion> reflexiones;
  for (int h = -limite[0]; h <= limite[0]; ++h)
    for (int k = -limite[1]; k <= limite[1]; ++k)
      for (int l = -limite[2]; l <= limite[2]; ++l) {
        if (h == 0 && k == 0 && l == 0) continue;
        const gemmi::Miller hkl{{h, k, l}};
        const double inverso2 = celda.cell.calculate_1_d2(hkl);
        const double seno = std::sqrt(inverso2) * lambda / 2;
        if (seno > maximoSeno || seno < minimoSeno) continue;
        const double f2 = std::norm(calculo.calculate_sf_from_small_structure(celda, hkl));
        // Systematic absences leave only rounding behind.
        if (f2 > 1e-10 * f000 * f000) reflexiones.push_back({inverso2, f2, {h, k, l}});
      }
  std::sort(reflexiones.begin(), reflexiones.end(),
            [](const Reflexion& x, const Reflexion& y) { return x.inversoD2 < y.inversoD2; });

  for (std::size_t i = 0; i < reflexiones.size();) {
    LineaPolvo linea;
    linea.d = 1 / std::sqrt(reflexiones[i].inversoD2);
    linea.dosTheta = 2 * AGrados(std::asin(lambda / (2 * linea.d)));
    std::set<std::array<int, 3>, std::greater<>> clases;
    double suma = 0;
    std::size_t j = i;
    for (; j < reflexiones.size() &&
           reflexiones[j].inversoD2 - reflexiones[i].inversoD2 < 1e-9 * reflexiones[i].inversoD2;
         ++j) {
      suma += reflexiones[j].f2;
      clases.insert(Forma(reflexiones[j].hkl, ops));
    }
    linea.multiplicidad = static_cast<int>(j - i);
    linea.f2 = suma / linea.multiplicidad;
    linea.intensidad = suma * LorentzPolarizacion(linea.dosTheta);
    linea.indices.assign(clases.begin(), clases.end());
    cristal.lineas.push_back(std::move(linea));
    i = j;
  }
  return cristal;
}

}  // namespace varlek
