#pragma once
// How a failed comparison shows the shared state and its tables: every
// value by name, and runs of equal points as one entry, so that a failure
// says which value differs.

#include <ostream>
#include <string_view>
#include <type_traits>
#include <variant>

#include "state/Estado.h"

namespace varlek {

template <typename T, int Desde, int Hasta>
void PrintTo(const Tabla<T, Desde, Hasta>& tabla, std::ostream* os) {
  *os << '{';
  for (int i = Desde; i <= Hasta;) {
    int fin = i;
    while (fin < Hasta && tabla[fin + 1] == tabla[i]) ++fin;
    *os << (i == Desde ? "" : ", ") << '[' << i;
    if (fin > i) *os << ".." << fin;
    *os << "]=" << +tabla[i];
    i = fin + 1;
  }
  *os << '}';
}

namespace impresion {

inline void Imprime(const auto& x, std::ostream* os) {
  using T = std::decay_t<decltype(x)>;
  if constexpr (std::is_same_v<T, std::monostate>)
    *os << "(vacío)";
  else if constexpr (std::is_same_v<T, Nulo>)
    *os << "(nulo)";
  else if constexpr (std::is_same_v<T, std::string>)
    *os << '"' << x << '"';
  else if constexpr (std::is_arithmetic_v<T>)
    *os << +x;
  else
    PrintTo(x, os);
}

// One line per value: the name is its expression in `nombres` (the
// comma-separated list "e.AVec, e.BVec, ...") without the "e.".
template <typename... T>
void Campos(std::ostream* os, std::string_view nombres, const T&... valores) {
  auto campo = [&](const auto& valor) {
    const auto coma = nombres.find(',');
    std::string_view nombre = nombres.substr(0, coma);
    nombres.remove_prefix(coma == nombres.npos ? nombres.size() : coma + 1);
    *os << "\n  " << nombre.substr(nombre.find('.') + 1) << ' ';
    Imprime(valor, os);
  };
  (campo(valores), ...);
}

}  // namespace impresion

inline void PrintTo(const Valor& v, std::ostream* os) {
  std::visit([os](const auto& x) { impresion::Imprime(x, os); }, v);
}

#define VARLEK_CAMPOS(...) impresion::Campos(os, #__VA_ARGS__, __VA_ARGS__)
inline void PrintTo(const Estado& e, std::ostream* os) {
  VARLEK_CAMPOS(e.AVec, e.BVec, e.Theta, e.NumAtomos, e.AtomoX, e.AtomoY, e.AtomoF, e.Problema, e.LambdaX, e.DeltaMin,
                e.DeltaMax, e.PasoDelta, e.DeltaRad, e.DeltaMedio, e.Distancia, e.Intensidad, e.Espectro,
                e.EspectroCabecera, e.EspectroMin, e.EspectroMax, e.RegistroX, e.RegistroY, e.RegistroZ, e.RegistroXMin,
                e.RegistroYMin, e.RegistroZMin, e.RegistroXMax, e.RegistroYMax, e.RegistroZMax, e.RegistroXCabecera,
                e.RegistroYCabecera, e.RegistroZCabecera, e.FactorEscala, e.IndiceH, e.IndiceK, e.GiroCristal,
                e.ContadorClic, e.LineaX1, e.LineaY1, e.LineaX2, e.LineaY2, e.RecAX, e.RecAY, e.RecBX, e.RecBY,
                e.ModuloG, e.Espaciado, e.DirectorioInicial, e.NombreFichero, e.RespuestaAviso);
}
#undef VARLEK_CAMPOS

}  // namespace varlek
