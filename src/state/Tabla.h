#pragma once
// A fixed table indexed from `Desde` to `Hasta`, as the program's tables are
// numbered (points 0 to 400, atoms 1 to 4). An index outside the range is
// error 9, never a read or write out of bounds.

#include <array>
#include <cstddef>

#include "state/ErrorVarlek.h"

namespace varlek {

template <typename T, int Desde, int Hasta>
class Tabla {
 public:
  static constexpr int Primero = Desde;
  static constexpr int Ultimo = Hasta;
  static constexpr std::size_t Tamano = Hasta - Desde + 1;

  T& operator[](int i) { return datos_[Posicion(i)]; }
  const T& operator[](int i) const { return datos_[Posicion(i)]; }

  void Rellena(const T& valor) { datos_.fill(valor); }
  bool operator==(const Tabla&) const = default;

  T* begin() { return datos_.data(); }
  T* end() { return datos_.data() + Tamano; }
  const T* begin() const { return datos_.data(); }
  const T* end() const { return datos_.data() + Tamano; }

 private:
  static std::size_t Posicion(int i) {
    if (i < Desde || i > Hasta) throw ErrorVarlek(codigo::FueraDeIntervalo);
    return static_cast<std::size_t>(i - Desde);
  }
  std::array<T, Tamano> datos_{};
};

}  // namespace varlek
