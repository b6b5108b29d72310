// varlek-muestra: makes a powder sample file for the program from a crystal
// structure given as a CIF file.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <locale>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "spectrum/FicheroMuestra.h"
#include "spectrum/PerfilPolvo.h"
#include "spectrum/ReflexionesPolvo.h"
#include "state/ErrorVarlek.h"

namespace {

using namespace varlek;

constexpr double kDesde = 5, kHasta = 105;

const char kAyuda[] =
    "Uso: varlek-muestra [opciones] ESTRUCTURA.cif MUESTRA.bin\n"
    "\n"
    "Calcula el difractograma de polvo de la estructura cristalina del fichero CIF\n"
    "(celda, grupo espacial y sitios atómicos con ocupación y factor B o U) y lo\n"
    "escribe como fichero de muestra de Varlek: 401 intensidades de 5° a 105° en\n"
    "pasos de 0.25°, con el pico más alto cerca de 400.\n"
    "\n"
    "Opciones:\n"
    "  --lambda L    longitud de onda en Å (por omisión 1.5418, Cu Kα)\n"
    "  --semilla N   añade el ruido de recuento generado a partir del entero N;\n"
    "                la misma semilla da siempre el mismo fichero\n"
    "  --lineas      escribe en la salida estándar la lista de líneas\n"
    "                (hkl, d, 2θ, multiplicidad, intensidad relativa)\n"
    "  --help        muestra esta ayuda\n"
    "\n"
    "Para cambiar un ejercicio, sustituya muestra1.bin, muestra2.bin o muestra3.bin\n"
    "en la carpeta de datos del programa por el fichero que escribe esta orden.\n";

struct Orden {
  std::string cif, salida;
  double lambda = 1.5418;
  std::optional<std::uint32_t> semilla;
  bool lineas = false, ayuda = false;
};

bool LeeDoble(std::string_view texto, double& valor) {
  std::istringstream in{std::string(texto)};
  in.imbue(std::locale::classic());
  return static_cast<bool>(in >> valor) && in.eof();
}

// The order, or an empty cif name and the message in `error`.
Orden LeeOrden(const std::vector<std::string_view>& args, std::string& error) {
  Orden orden;
  std::vector<std::string_view> ficheros;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view a = args[i];
    auto valor = [&]() -> std::string_view {
      if (i + 1 == args.size()) {
        error = "falta el valor de " + std::string(a);
        return {};
      }
      return args[++i];
    };
    if (a == "--help" || a == "-h") {
      orden.ayuda = true;
      return orden;
    } else if (a == "--lineas") {
      orden.lineas = true;
    } else if (a == "--lambda") {
      const std::string_view v = valor();
      if (!error.empty()) return {};
      if (!LeeDoble(v, orden.lambda) || !(orden.lambda > 0.1 && orden.lambda < 10)) {
        error = "la longitud de onda debe ser un número entre 0.1 y 10 (Å): \"" + std::string(v) + "\"";
        return {};
      }
    } else if (a == "--semilla") {
      const std::string_view v = valor();
      if (!error.empty()) return {};
      double n;
      if (!LeeDoble(v, n) || n < 0 || n > 4294967295.0 || n != static_cast<double>(static_cast<std::uint64_t>(n))) {
        error = "la semilla debe ser un número entero entre 0 y 4294967295: \"" + std::string(v) + "\"";
        return {};
      }
      orden.semilla = static_cast<std::uint32_t>(n);
    } else if (a.size() > 1 && a[0] == '-') {
      error = "opción desconocida: " + std::string(a);
      return {};
    } else {
      ficheros.push_back(a);
    }
  }
  if (ficheros.size() != 2) {
    error = "hacen falta dos ficheros: la estructura (.cif) y la muestra que se escribe (.bin)";
    return {};
  }
  orden.cif = ficheros[0];
  orden.salida = ficheros[1];
  return orden;
}

// "111", "333/511", "10 2 0": indices written together while they are single digits.
std::string Indices(const LineaPolvo& l) {
  std::string t;
  for (const auto& hkl : l.indices) {
    if (!t.empty()) t += '/';
    const bool juntos = hkl[0] < 10;  // the largest comes first
    for (std::size_t i = 0; i < 3; ++i) {
      if (!juntos && i > 0) t += ' ';
      t += std::to_string(hkl[i]);
    }
  }
  return t;
}

void EscribeLineas(const CristalPolvo& c, double lambda) {
  double maximo = 0;
  for (const auto& l : c.lineas)
    if (l.dosTheta >= kDesde && l.dosTheta <= kHasta) maximo = std::max(maximo, l.intensidad);
  std::printf("%s  %s  %d átomos en la celda  λ = %.4f Å\n", c.nombre.c_str(), c.grupo.c_str(), c.atomosCelda, lambda);
  std::printf("%-12s %9s %9s %5s %10s %8s\n", "hkl", "d (Å)", "2θ (°)", "mult", "|F|²", "I rel");
  for (const auto& l : c.lineas) {
    if (l.dosTheta < kDesde || l.dosTheta > kHasta) continue;
    std::printf("%-12s %9.4f %9.3f %5d %10.1f %8.1f\n", Indices(l).c_str(), l.d, l.dosTheta, l.multiplicidad, l.f2,
                100 * l.intensidad / maximo);
  }
}

int Falla(const std::string& mensaje) {
  std::cerr << "varlek-muestra: " << mensaje << "\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const Orden orden = LeeOrden(std::vector<std::string_view>(argv + 1, argv + argc), error);
  if (orden.ayuda) {
    std::cout << kAyuda;
    return 0;
  }
  if (!error.empty()) {
    std::cerr << "varlek-muestra: " << error << "\nPara ver la ayuda: varlek-muestra --help\n";
    return 2;
  }

  std::ifstream entrada(orden.cif, std::ios::binary);
  if (!entrada) return Falla("no se puede abrir \"" + orden.cif + "\"");
  std::ostringstream texto;
  texto << entrada.rdbuf();
  if (entrada.bad()) return Falla("no se puede leer \"" + orden.cif + "\"");

  DatosMuestra muestra;
  CristalPolvo cristal;
  try {
    OpcionesPerfil opciones;
    opciones.semilla = orden.semilla;
    // Lines a little beyond the ends still reach the first and last points
    // with their tails.
    cristal = LineasDeCif(texto.str(), orden.lambda, kDesde - 3, kHasta + 3);
    muestra.puntos = PerfilPolvo(cristal.lineas, opciones);
  } catch (const ErrorEstructura& e) {
    return Falla("\"" + orden.cif + "\": " + e.what());
  }
  muestra.inicio = kDesde;
  try {
    SalvaMuestra(orden.salida, muestra, kHasta);
  } catch (const ErrorVarlek& e) {
    return Falla("no se pudo escribir \"" + orden.salida + "\": " + DescripcionError(e.Codigo()) + " (error " +
                 std::to_string(e.Codigo()) + ")");
  }
  if (orden.lineas) EscribeLineas(cristal, orden.lambda);
  return 0;
}
