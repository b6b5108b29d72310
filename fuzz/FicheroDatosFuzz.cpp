// libFuzzer entry for the data-file reader: any bytes end in data or in
// error 62 or 6, and data that was read writes back into a file that reads to
// the same values.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/FicheroDatos.h"
#include "state/ErrorVarlek.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
  using namespace varlek;
  DatosEspectro leido;
  try {
    leido = LeeDatos(std::string_view(reinterpret_cast<const char*>(datos), tamano));
  } catch (const ErrorVarlek& e) {
    if (e.Codigo() != codigo::FinDeFichero && e.Codigo() != codigo::Desbordamiento) std::abort();
    return 0;
  }
  const std::string escrito = TextoDatos(leido);
  const DatosEspectro releido = LeeDatos(escrito);
  if (releido.minimo != leido.minimo || releido.maximo != leido.maximo || !(releido.puntos == leido.puntos) ||
      TextoDatos(releido) != escrito)
    std::abort();
  return 0;
}
