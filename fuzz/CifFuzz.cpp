// libFuzzer entry for the powder generator's structure reader: any text ends
// in lines or in a reason (ErrorEstructura), never in a crash, and every line
// it gives has a finite positive intensity.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "spectrum/ReflexionesPolvo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
  using namespace varlek;
  try {
    const CristalPolvo cristal =
        LineasDeCif(std::string_view(reinterpret_cast<const char*>(datos), tamano), 1.5418, 2, 108);
    for (const LineaPolvo& l : cristal.lineas)
      if (!(l.intensidad > 0 && l.intensidad < 1e30)) std::abort();
  } catch (const ErrorEstructura&) {
  }
  return 0;
}
