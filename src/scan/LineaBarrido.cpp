#include "scan/LineaBarrido.h"

#include <cmath>
#include <limits>
#include <set>
#include <utility>

#include "scan/Barrido.h"
#include "state/Angulos.h"
#include "state/Numeros.h"

namespace varlek {

namespace {

std::string Entrecomillado(std::string_view texto) {
  std::string resultado(1, '"');
  resultado.append(texto);
  resultado.push_back('"');
  return resultado;
}

LecturaLinea Falla(std::string mensaje) { return {std::nullopt, std::move(mensaje)}; }

std::string ValorNoValido(std::string_view opcion, std::string_view valor) {
  return "valor no válido para " + std::string(opcion) + ": " + Entrecomillado(valor) +
         " (se espera un número con punto decimal, por ejemplo 1.5)";
}

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

}  // namespace

LecturaLinea LeeLineaBarrido(std::span<const std::string_view> argumentos) {
  OrdenBarrido orden;
  const std::pair<std::string_view, double*> numericas[] = {
      {"--a", &orden.a},        {"--b", &orden.b},        {"--angulo", &orden.angulo}, {"--lambda", &orden.lambda},
      {"--min", &orden.minimo}, {"--max", &orden.maximo}, {"--giro", &orden.giro},
  };
  std::set<std::string_view> vistas;
  int atomos = 0;

  for (std::size_t i = 0; i < argumentos.size(); ++i) {
    const std::string_view opcion = argumentos[i];
    if (opcion == "--help" || opcion == "-h") {
      orden.ayuda = true;
      return {orden, {}};
    }
    double* destino = nullptr;
    for (const auto& [nombre, variable] : numericas) {
      if (opcion == nombre) destino = variable;
    }
    const bool conocida = destino || opcion == "--atomo" || opcion == "-o";
    if (!conocida) return Falla("opción desconocida: " + Entrecomillado(opcion));
    if (i + 1 == argumentos.size()) return Falla("falta el valor de la opción " + std::string(opcion));
    const std::string_view valor = argumentos[++i];

    if (opcion == "--atomo") {
      if (atomos == 4) return Falla("no se admiten más de cuatro átomos (--atomo)");
      const auto atomo = LeeAtomo(valor);
      if (!atomo) {
        return Falla("átomo no válido: " + Entrecomillado(valor) +
                     " (se espera X,Y,F con punto decimal, por ejemplo 0.5,0.5,1)");
      }
      orden.atomos[atomos++] = *atomo;
      continue;
    }
    if (!vistas.insert(opcion).second) return Falla("la opción " + std::string(opcion) + " aparece más de una vez");
    if (opcion == "-o") {
      if (valor.empty()) return Falla("falta el nombre del fichero de la opción -o");
      orden.fichero = valor;
      continue;
    }
    const auto numero = LeeNumeroEstricto(valor);
    if (!numero) return Falla(ValorNoValido(opcion, valor));
    *destino = *numero;
  }

  for (const std::string_view obligatoria : {"--a", "--b", "--angulo"}) {
    if (!vistas.contains(obligatoria)) return Falla("falta la opción obligatoria " + std::string(obligatoria));
  }
  if (atomos > 0) orden.numAtomos = atomos;
  return {orden, {}};
}

std::string TextoAyuda() {
  return "Uso: varlek-barrido --a A --b B --angulo GRADOS [--atomo X,Y,F]... [--lambda L]\n"
         "                    [--min GRADOS] [--max GRADOS] [--giro GRADOS] [-o FICHERO]\n"
         "\n"
         "Calcula el difractograma de un cristal bidimensional con el mismo barrido de\n"
         "401 puntos que Varlek y lo escribe como fichero de datos que \"Cargar\" puede leer.\n"
         "\n"
         "Opciones:\n"
         "  --a A            parámetro de red a (en la unidad de la longitud de onda)\n"
         "  --b B            parámetro de red b\n"
         "  --angulo GRADOS  ángulo entre los ejes a y b, en grados\n"
         "  --atomo X,Y,F    un átomo de la celda: coordenadas en fracciones de a y de b\n"
         "                   y factor atómico; hasta cuatro veces (si no se da, 0,0,1)\n"
         "  --lambda L       longitud de onda de los rayos X (1.5418 si no se da)\n"
         "  --min GRADOS     ángulo mínimo del barrido, 2θ (5 si no se da)\n"
         "  --max GRADOS     ángulo máximo del barrido, 2θ (105 si no se da)\n"
         "  --giro GRADOS    giro del cristal (0 si no se da)\n"
         "  -o FICHERO       fichero de datos de salida; sin esta opción, la salida estándar\n"
         "  -h, --help       muestra esta ayuda\n"
         "\n"
         "Los números se escriben con punto decimal: 1.5418, no 1,5418.\n";
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
