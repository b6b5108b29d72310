#include "spectrum/OperacionesEspectro.h"

#include <algorithm>
#include <cmath>

#include "state/ErrorVarlek.h"

namespace varlek {
namespace {

constexpr int kPrimero = Espectro401::Primero;
constexpr int kUltimo = Espectro401::Ultimo;

// Computes every new point into a copy first, so that an overflow anywhere
// leaves the spectrum as it was.
template <typename Operacion>
void AplicaPuntoAPunto(Espectro401& puntos, Operacion operacion) {
  Espectro401 resultado;
  for (int i = kPrimero; i <= kUltimo; ++i) {
    resultado[i] = operacion(i);
    if (!std::isfinite(resultado[i])) throw ErrorVarlek(codigo::Desbordamiento);
  }
  puntos = resultado;
}

}  // namespace

void Suaviza(Espectro401& puntos) {
  // The window of point i is i-2..i+2 cut at both ends, which gives the
  // windows of 3 and 4 points at the first two and last two points.
  for (int i = kPrimero; i <= kUltimo; ++i) {
    const int desde = std::max(kPrimero, i - 2);
    const int hasta = std::min(kUltimo, i + 2);
    double suma = 0;
    for (int j = desde; j <= hasta; ++j) suma += puntos[j];
    puntos[i] = static_cast<float>(suma / (hasta - desde + 1));
  }
}

void Multiplica(Espectro401& puntos, float factor) {
  AplicaPuntoAPunto(puntos, [&](int i) -> float { return factor * puntos[i]; });
}

void SumaRegistro(Espectro401& puntos, const Espectro401& registro) {
  AplicaPuntoAPunto(puntos, [&](int i) -> float { return registro[i] + puntos[i]; });
}

}  // namespace varlek
