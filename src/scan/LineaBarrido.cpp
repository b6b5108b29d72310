#include "scan/LineaBarrido.h"

#include <cmath>
#include <limits>
#include <utility>

#include "scan/Barrido.h"
#include "state/Angulos.h"
#include "state/LineaOrdenes.h"
#include "state/Numeros.h"

namespace varlek {

namespace {

constexpr Opcion kOpciones[] = {
    {"--a", "A", "parámetro de red a (en la unidad de la longitud de onda)", true},
    {"--b", "B", "parámetro de red b", true},
    {"--angulo", "GRADOS", "ángulo entre los ejes a y b, en grados", true},
    {"--atomo", "X,Y,F",
     "un átomo de la celda: coordenadas en fracciones de a y de b\n"
     "y factor atómico; hasta cuatro veces (si no se da, 0,0,1)",
     false, true},
    {"--lambda", "L", "longitud de onda de los rayos X (1.5418 si no se da)"},
    {"--min", "GRADOS", "ángulo mínimo del barrido, 2θ (5 si no se da)"},
    {"--max", "GRADOS", "ángulo máximo del barrido, 2θ (105 si no se da)"},
    {"--giro", "GRADOS", "giro del cristal (0 si no se da)"},
    {"--reflexiones", "",
     "en lugar del difractograma, la lista de las reflexiones\n"
     "(h,k) que el barrido puede mostrar: d, 2θ y |F| relativo\n"
     "a la celda"},
    {"-o", "FICHERO", "fichero de datos de salida; sin esta opción,\nla salida estándar"},
};

constexpr Programa kPrograma = {
    .nombre = "varlek-barrido",
    .resumen = "calcula el difractograma de un cristal bidimensional",
    .descripcion =
        "Calcula el difractograma de un cristal bidimensional con el mismo barrido de\n"
        "401 puntos que Varlek y lo escribe como fichero de datos que \"Cargar\"\n"
        "puede leer.",
    .opciones = kOpciones,
    .argumentos = {},
    .notas = "Los números se escriben con punto decimal: 1.5418, no 1,5418.",
};

// "X,Y,F": three numbers separated by commas; the factor must fit a float,
// as the crystal dialog stores it.
std::optional<AtomoLinea> LeeAtomo(std::string_view texto) {
  double valores[3];
  for (int i = 0; i < 3; ++i) {
    const auto coma = texto.find(',');
    if ((i < 2) != (coma != std::string_view::npos)) return std::nullopt;
    const auto numero = LeeNumeroEstricto(texto.substr(0, coma));
    if (!numero) return std::nullopt;
    valores[i] = *numero;
    if (i < 2) texto.remove_prefix(coma + 1);
  }
  if (std::fabs(valores[2]) > std::numeric_limits<float>::max()) return std::nullopt;
  return AtomoLinea{valores[0], valores[1], static_cast<float>(valores[2])};
}

Lectura<OrdenBarrido> Falla(std::string mensaje) { return {std::nullopt, std::move(mensaje)}; }

}  // namespace

const Programa& ProgramaBarrido() { return kPrograma; }

Lectura<OrdenBarrido> LeeLineaBarrido(std::span<const std::string_view> argumentos) {
  const LineaLeida linea = LeeLinea(kPrograma, argumentos);
  if (!linea.error.empty()) return Falla(linea.error);
  OrdenBarrido orden;
  orden.ayuda = linea.ayuda;
  const std::pair<std::string_view, double*> numericas[] = {
      {"--a", &orden.a},        {"--b", &orden.b},        {"--angulo", &orden.angulo}, {"--lambda", &orden.lambda},
      {"--min", &orden.minimo}, {"--max", &orden.maximo}, {"--giro", &orden.giro},
  };
  std::string error;
  for (const auto& [opcion, destino] : numericas) {
    if (linea.Tiene(opcion) && !LeeValorNumerico(opcion, linea.Valor(opcion), *destino, error)) return Falla(error);
  }
  const auto atomos = linea.Valores("--atomo");
  if (atomos.size() > orden.atomos.size()) return Falla("no se admiten más de cuatro átomos (--atomo)");
  for (std::size_t i = 0; i < atomos.size(); ++i) {
    const auto atomo = LeeAtomo(atomos[i]);
    if (!atomo)
      return Falla(ValorNoValido("--atomo", atomos[i], "se espera X,Y,F con punto decimal, por ejemplo 0.5,0.5,1"));
    orden.atomos[i] = *atomo;
  }
  if (!atomos.empty()) orden.numAtomos = static_cast<int>(atomos.size());
  orden.reflexiones = linea.Tiene("--reflexiones");
  orden.fichero = linea.Valor("-o");
  return {orden, {}};
}

void PreparaEstado(Estado& e, const OrdenBarrido& orden) {
  AsignaValoresIniciales(e);
  e.AVec = orden.a;
  e.BVec = orden.b;
  e.Theta = ARadianes(orden.angulo);
  e.NumAtomos = static_cast<std::int16_t>(orden.numAtomos);
  for (int j = 1; j <= orden.numAtomos; ++j) {
    e.AtomoX[j] = orden.atomos[j - 1].x;
    e.AtomoY[j] = orden.atomos[j - 1].y;
    e.AtomoF[j] = orden.atomos[j - 1].f;
  }
  e.LambdaX = orden.lambda;
  e.GiroCristal = ARadianes(orden.giro);
  FijaLimites(e, orden.minimo, orden.maximo);
}

}  // namespace varlek
