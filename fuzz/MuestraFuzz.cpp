// libFuzzer entry for the sample-file reader: any bytes end in a sample or
// in error 62, 13 or 6, and a sample that was read writes back into 1616
// bytes that read to the same values.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "spectrum/FicheroMuestra.h"
#include "state/ErrorVarlek.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
  using namespace varlek;
  DatosMuestra leida;
  try {
    leida = LeeMuestra(std::string_view(reinterpret_cast<const char*>(datos), tamano));
  } catch (const ErrorVarlek& e) {
    if (e.Codigo() != codigo::FinDeFichero && e.Codigo() != codigo::NoCoincidenTipos &&
        e.Codigo() != codigo::Desbordamiento)
      std::abort();
    return 0;
  }
  const std::string escrita = BytesMuestra(leida, 105);
  const DatosMuestra releida = LeeMuestra(escrita);
  if (escrita.size() != kBytesMuestra || !(releida.cabecera == leida.cabecera) || releida.inicio != leida.inicio ||
      !(releida.puntos == leida.puntos))
    std::abort();
  return 0;
}
