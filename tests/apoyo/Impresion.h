#pragma once
// How a failed comparison shows the shared state and its tables: every
// value by name, and runs of equal points as one entry, so that a failure
// says which value differs.

#include <ostream>
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

inline void PrintTo(const Valor& v, std::ostream* os) {
  std::visit(
      [os](const auto& x) {
        using T = std::decay_t<decltype(x)>;
        if constexpr (std::is_same_v<T, std::monostate>)
          *os << "(vacío)";
        else if constexpr (std::is_same_v<T, Nulo>)
          *os << "(nulo)";
        else if constexpr (std::is_same_v<T, std::string>)
          *os << '"' << x << '"';
        else
          *os << +x;
      },
      v);
}

inline void PrintTo(const Estado& e, std::ostream* os) {
  auto tabla = [os](const char* nombre, const auto& t) {
    *os << "\n  " << nombre << ' ';
    PrintTo(t, os);
  };
  auto valor = [os](const char* nombre, const Valor& v) {
    *os << "\n  " << nombre << ' ';
    PrintTo(v, os);
  };
#define VARLEK_CAMPO(c) *os << "\n  " #c " " << +e.c
  VARLEK_CAMPO(AVec);
  VARLEK_CAMPO(BVec);
  VARLEK_CAMPO(Theta);
  VARLEK_CAMPO(NumAtomos);
  tabla("AtomoX", e.AtomoX);
  tabla("AtomoY", e.AtomoY);
  tabla("AtomoF", e.AtomoF);
  VARLEK_CAMPO(Problema);
  VARLEK_CAMPO(LambdaX);
  VARLEK_CAMPO(DeltaMin);
  VARLEK_CAMPO(DeltaMax);
  VARLEK_CAMPO(PasoDelta);
  VARLEK_CAMPO(DeltaRad);
  VARLEK_CAMPO(DeltaMedio);
  VARLEK_CAMPO(Distancia);
  VARLEK_CAMPO(Intensidad);
  tabla("Espectro", e.Espectro);
  valor("EspectroCabecera", e.EspectroCabecera);
  VARLEK_CAMPO(EspectroMin);
  VARLEK_CAMPO(EspectroMax);
  tabla("RegistroX", e.RegistroX);
  tabla("RegistroY", e.RegistroY);
  tabla("RegistroZ", e.RegistroZ);
  VARLEK_CAMPO(RegistroXMin);
  VARLEK_CAMPO(RegistroYMin);
  VARLEK_CAMPO(RegistroZMin);
  VARLEK_CAMPO(RegistroXMax);
  VARLEK_CAMPO(RegistroYMax);
  VARLEK_CAMPO(RegistroZMax);
  valor("RegistroXCabecera", e.RegistroXCabecera);
  valor("RegistroYCabecera", e.RegistroYCabecera);
  valor("RegistroZCabecera", e.RegistroZCabecera);
  VARLEK_CAMPO(FactorEscala);
  VARLEK_CAMPO(IndiceH);
  VARLEK_CAMPO(IndiceK);
  VARLEK_CAMPO(GiroCristal);
  VARLEK_CAMPO(ContadorClic);
  VARLEK_CAMPO(LineaX1);
  VARLEK_CAMPO(LineaY1);
  VARLEK_CAMPO(LineaX2);
  VARLEK_CAMPO(LineaY2);
  VARLEK_CAMPO(RecAX);
  VARLEK_CAMPO(RecAY);
  VARLEK_CAMPO(RecBX);
  VARLEK_CAMPO(RecBY);
  VARLEK_CAMPO(ModuloG);
  VARLEK_CAMPO(Espaciado);
  *os << "\n  DirectorioInicial \"" << e.DirectorioInicial << '"';
  *os << "\n  NombreFichero \"" << e.NombreFichero << '"';
  VARLEK_CAMPO(RespuestaAviso);
#undef VARLEK_CAMPO
}

}  // namespace varlek
