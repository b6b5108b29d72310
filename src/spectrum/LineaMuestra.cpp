#include "spectrum/LineaMuestra.h"

#include <cmath>

namespace varlek {

namespace {

constexpr Opcion kOpciones[] = {
    {"--lambda", "L", "longitud de onda en Å (por omisión 1.5418, Cu Kα)"},
    {"--semilla", "N",
     "añade ruido de recuento a partir del entero N: la misma\n"
     "semilla da el mismo fichero con la misma biblioteca de C++\n"
     "(el ruido sale de su std::poisson_distribution)"},
    {"--lineas", "",
     "escribe en la salida estándar la lista de líneas\n"
     "(hkl, d, 2θ, multiplicidad, intensidad relativa)"},
};

constexpr Argumento kArgumentos[] = {
    {"ESTRUCTURA.cif", "la estructura cristalina que se lee (CIF)"},
    {"MUESTRA.bin", "el fichero de muestra que se escribe"},
};

constexpr Programa kPrograma = {
    .nombre = "varlek-muestra",
    .resumen = "calcula una muestra de polvo a partir de una estructura CIF",
    .descripcion =
        "Calcula el difractograma de polvo de la estructura cristalina del fichero CIF\n"
        "(celda, grupo espacial y sitios atómicos con ocupación y factor B o U) y lo\n"
        "escribe como fichero de muestra de Varlek: 401 intensidades de 5° a 105° en\n"
        "pasos de 0.25°, con el pico más alto cerca de 400.",
    .opciones = kOpciones,
    .argumentos = kArgumentos,
    .notas =
        "Para cambiar un ejercicio, sustituya muestra1.bin, muestra2.bin o muestra3.bin\n"
        "en la carpeta de datos del programa por el fichero que escribe esta orden.",
};

Lectura<OrdenMuestra> Falla(std::string mensaje) { return {std::nullopt, std::move(mensaje)}; }

}  // namespace

const Programa& ProgramaMuestra() { return kPrograma; }

Lectura<OrdenMuestra> LeeLineaMuestra(std::span<const std::string_view> argumentos) {
  const LineaLeida linea = LeeLinea(kPrograma, argumentos);
  if (!linea.error.empty()) return Falla(linea.error);
  OrdenMuestra orden;
  orden.ayuda = linea.ayuda;
  if (orden.ayuda) return {orden, {}};
  std::string error;
  if (linea.Tiene("--lambda")) {
    const std::string_view valor = linea.Valor("--lambda");
    if (!LeeValorNumerico("--lambda", valor, orden.lambda, error)) return Falla(error);
    if (!(orden.lambda > 0.1 && orden.lambda < 10))
      return Falla(ValorNoValido("--lambda", valor, "se espera una longitud de onda entre 0.1 y 10 Å"));
  }
  if (linea.Tiene("--semilla")) {
    const std::string_view valor = linea.Valor("--semilla");
    double n = -1;
    LeeValorNumerico("--semilla", valor, n, error);
    if (!(n >= 0 && n <= 4294967295.0 && n == std::floor(n)))
      return Falla(ValorNoValido("--semilla", valor, "se espera un número entero entre 0 y 4294967295"));
    orden.semilla = static_cast<std::uint32_t>(n);
  }
  orden.lineas = linea.Tiene("--lineas");
  orden.cif = linea.argumentos[0];
  orden.salida = linea.argumentos[1];
  return {orden, {}};
}

}  // namespace varlek
