#include "structure/EntradaVisor.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "state/Numeros.h"

namespace varlek {

std::int16_t IndiceDeTexto(std::string_view texto) {
  using Limites16 = std::numeric_limits<std::int16_t>;
  const double redondeado = std::nearbyint(LeeNumero(texto));
  return static_cast<std::int16_t>(std::clamp(redondeado, double{Limites16::min()}, double{Limites16::max()}));
}

std::int16_t SiguienteClic(std::int16_t contador) {
  if (contador == std::numeric_limits<std::int16_t>::max()) return 2;
  return static_cast<std::int16_t>(contador + 1);
}

}  // namespace varlek
