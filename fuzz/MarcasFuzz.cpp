// libFuzzer entry for the reflection lists a figure marks: any bytes give
// marks, each at a finite angle and named in brackets, or none.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "spectrum/DatosFigura.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
  for (const varlek::Marca& m : varlek::LeeMarcas(std::string_view(reinterpret_cast<const char*>(datos), tamano)))
    if (!std::isfinite(m.dosTheta) || m.texto.empty() || m.texto[0] != '(') std::abort();
  return 0;
}
