// varlek-manual: writes the manual pages of Varlek's programs from the same
// descriptions that read their command lines and write their --help, so a
// page and the help cannot disagree. Run by the build:
//   varlek-manual CARPETA VERSION FECHA PROGRAMA...
// writes CARPETA/man1/PROGRAMA.1 (English frame) and CARPETA/es/man1/PROGRAMA.1
// (Spanish) for each PROGRAMA named in kPaginas.

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "guide/LineaGuion.h"
#include "scan/LineaBarrido.h"
#include "spectrum/LineaFigura.h"
#include "spectrum/LineaMuestra.h"
#include "state/LineaOrdenes.h"
#include "state/LineaVarlek.h"

namespace {

using varlek::Programa;

// One row per program: its name, its description and, for the English page,
// its summary in English.
struct Pagina {
  std::string_view nombre;
  const Programa& (*programa)();
  std::string_view resumenIngles;
};

constexpr Pagina kPaginas[] = {
    {"varlek", varlek::ProgramaVarlek, "simulated X-ray diffractometer for a laboratory practice"},
    {"varlek-barrido", varlek::ProgramaBarrido, "compute the diffractogram of a two-dimensional crystal"},
    {"varlek-muestra", varlek::ProgramaMuestra, "compute a powder sample for Varlek from a CIF structure"},
    {"varlek-guion", varlek::guia::ProgramaGuion, "write a chapter of Varlek's guide as text, HTML or PDF"},
    {"varlek-figura", varlek::ProgramaFigura,
     "draw diffractograms as Varlek's plot in SVG, PNG or PDF, or write them as CSV"},
};

// The words of a page's frame in each language.
struct Idioma {
  std::string_view seccion, nombre, sinopsis, descripcion, argumentos, opciones, notas, salida, vease, ayuda;
};

constexpr Idioma kEspanol = {
    "Órdenes de Varlek", "NOMBRE", "SINOPSIS",         "DESCRIPCIÓN",   "ARGUMENTOS",
    "OPCIONES",          "NOTAS",  "ESTADO DE SALIDA", "VÉASE TAMBIÉN", "muestra la ayuda y termina"};
constexpr Idioma kIngles = {"Varlek commands", "NAME",  "SYNOPSIS",    "DESCRIPTION", "ARGUMENTS",
                            "OPTIONS",         "NOTES", "EXIT STATUS", "SEE ALSO",    "show the help and exit"};

// Text for roff: backslashes and hyphens escaped, and a line that would
// start with a control character protected.
std::string Roff(std::string_view texto) {
  std::string salida;
  bool inicio = true;
  for (const char c : texto) {
    if (inicio && (c == '.' || c == '\'')) salida += "\\&";
    if (c == '\\') {
      salida += "\\e";
    } else if (c == '-') {
      salida += "\\-";
    } else {
      salida += c;
    }
    inicio = c == '\n';
  }
  return salida;
}

// A help paragraph's lines, wrapped for a terminal, as one filled paragraph;
// an empty line starts another.
std::string Parrafos(std::string_view texto) {
  std::string salida;
  std::size_t desde = 0;
  while (desde <= texto.size()) {
    const std::size_t hasta = std::min(texto.find('\n', desde), texto.size());
    const std::string_view linea = texto.substr(desde, hasta - desde);
    salida += linea.empty() ? std::string(".PP") : Roff(linea);
    salida += '\n';
    desde = hasta + 1;
  }
  return salida;
}

// Bold or italic text for roff, written to a stream (sums of strings that
// start with a literal make GCC 12 warn).
struct Negrita {
  std::string_view texto;
};
struct Cursiva {
  std::string_view texto;
};
std::ostream& operator<<(std::ostream& o, Negrita n) { return o << "\\fB" << Roff(n.texto) << "\\fR"; }
std::ostream& operator<<(std::ostream& o, Cursiva c) { return o << "\\fI" << Roff(c.texto) << "\\fR"; }

std::string TextoPagina(const Pagina& pagina, const Idioma& idioma, bool espanol, std::string_view version,
                        std::string_view fecha) {
  const Programa& p = pagina.programa();
  std::string mayusculas(p.nombre);
  for (char& c : mayusculas) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  std::ostringstream t;
  t << ".TH " << Roff(mayusculas) << " 1 \"" << fecha << "\" \"Varlek " << version << "\" \"" << idioma.seccion
    << "\"\n";
  t << ".SH " << idioma.nombre << "\n"
    << Roff(p.nombre) << " \\- " << Roff(espanol ? p.resumen : pagina.resumenIngles) << "\n";

  // The synopsis left-aligned and unhyphenated, as manual pages keep it.
  t << ".SH " << idioma.sinopsis << "\n.ad l\n.nh\n.B " << Roff(p.nombre) << "\n";
  for (const varlek::Opcion& o : p.opciones) {
    t << (o.obligatoria ? "" : "[") << Negrita{o.nombre};
    if (!o.argumento.empty()) t << " " << Cursiva{o.argumento};
    t << (o.obligatoria ? "" : "]") << (o.repetible ? "...\n" : "\n");
  }
  for (const varlek::Argumento& a : p.argumentos) t << Cursiva{a.nombre} << (a.repetible ? "...\n" : "\n");

  t << ".ad\n.hy\n.SH " << idioma.descripcion << "\n" << Parrafos(p.descripcion);
  if (!espanol) {
    t << ".PP\nThe program speaks Spanish: its messages and its \\fB\\-\\-help\\fR, from which the descriptions "
         "below are taken, are in Spanish.\n";
  }
  if (!p.argumentos.empty()) {
    t << ".SH " << idioma.argumentos << "\n";
    for (const varlek::Argumento& a : p.argumentos)
      t << ".TP\n" << Cursiva{a.nombre} << "\n" << Parrafos(a.descripcion);
  }
  t << ".SH " << idioma.opciones << "\n";
  for (const varlek::Opcion& o : p.opciones) {
    t << ".TP\n" << Negrita{o.nombre};
    if (!o.argumento.empty()) t << " " << Cursiva{o.argumento};
    t << "\n" << Parrafos(o.descripcion);
  }
  t << ".TP\n" << Negrita{"-h"} << ", " << Negrita{"--help"} << "\n" << Roff(idioma.ayuda) << "\n";
  if (!p.notas.empty()) t << ".SH " << idioma.notas << "\n" << Parrafos(p.notas);
  if (p.codigosSalida) {
    t << ".SH " << idioma.salida << "\n";
    if (espanol) {
      t << Parrafos(varlek::kTextoSalida.substr(0, varlek::kTextoSalida.size() - 1));
    } else {
      t << varlek::kSalidaBien << " when all goes well, " << varlek::kSalidaFichero
        << " when a file cannot be read or written or the result cannot be computed, " << varlek::kSalidaOrden
        << " when the command line is wrong.\n";
    }
  }
  t << ".SH " << idioma.vease << "\n";
  std::vector<std::string_view> otras;
  for (const Pagina& otra : kPaginas) {
    if (otra.nombre != pagina.nombre) otras.push_back(otra.nombre);
  }
  for (std::size_t i = 0; i < otras.size(); ++i)
    t << ".BR " << Roff(otras[i]) << (i + 1 < otras.size() ? " (1),\n" : " (1)\n");
  return t.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::cerr << "Uso: varlek-manual CARPETA VERSION FECHA PROGRAMA...\n";
    return 2;
  }
  const std::filesystem::path carpeta = argv[1];
  for (int i = 4; i < argc; ++i) {
    const Pagina* pagina = nullptr;
    for (const Pagina& p : kPaginas) {
      if (p.nombre == argv[i]) pagina = &p;
    }
    if (pagina == nullptr || pagina->programa().nombre != pagina->nombre) {
      std::cerr << "varlek-manual: no hay página para \"" << argv[i] << "\"\n";
      return 1;
    }
    for (const auto& [subcarpeta, idioma, espanol] :
         {std::tuple{"man1", &kIngles, false}, std::tuple{"es/man1", &kEspanol, true}}) {
      std::filesystem::create_directories(carpeta / subcarpeta);
      std::ofstream salida(carpeta / subcarpeta / (std::string(argv[i]) + ".1"));
      salida << TextoPagina(*pagina, *idioma, espanol, argv[2], argv[3]);
      if (!salida.flush()) {
        std::cerr << "varlek-manual: no se pudo escribir en " << (carpeta / subcarpeta).string() << "\n";
        return 1;
      }
    }
  }
  return 0;
}
