#include "spectrum/Ejes.h"

#include <cmath>

#include "state/Numeros.h"

namespace varlek {

bool AnguloDeFloat(double espectroMin) {
  const bool entero16 = espectroMin == std::floor(espectroMin) && espectroMin >= -32768 && espectroMin <= 32767;
  return entero16 || static_cast<double>(static_cast<float>(espectroMin)) == espectroMin;
}

namespace {
std::string AnguloEn(double espectroMin, float espectroMax, float fraccion, int divisor) {
  if (AnguloDeFloat(espectroMin)) {
    const float a = static_cast<float>(espectroMin);
    return FormateaNumero(a + fraccion * (espectroMax - a) / static_cast<float>(divisor));
  }
  return FormateaNumero(espectroMin + fraccion * (espectroMax - espectroMin) / divisor);
}
}  // namespace

std::array<std::string, 11> EtiquetasAngulo(double espectroMin, float espectroMax) {
  std::array<std::string, 11> textos;
  for (int k = 0; k <= 10; ++k)
    textos[static_cast<std::size_t>(k)] = AnguloEn(espectroMin, espectroMax, static_cast<float>(k), 10).substr(0, 5);
  return textos;
}

std::array<std::string, 6> EtiquetasIntensidad() {
  std::array<std::string, 6> textos;
  for (int k = 0; k <= 5; ++k) textos[static_cast<std::size_t>(k)] = FormateaNumero(100 - 20 * k);
  return textos;
}

std::string TextoAnguloEn(double espectroMin, float espectroMax, float x) {
  return AnguloEn(espectroMin, espectroMax, x, 100);
}

}  // namespace varlek
