#include "guide/Capitulos.h"

#include <fstream>
#include <iterator>

namespace varlek::guia {

std::string RutaCapitulo(const std::string& directorio, const std::string& nombre) { return directorio + "/" + nombre; }

std::optional<std::vector<std::uint8_t>> LeeBytes(const std::string& ruta) {
  std::ifstream fichero(ruta, std::ios::binary);
  if (!fichero) return std::nullopt;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(fichero)), std::istreambuf_iterator<char>());
  if (fichero.bad()) return std::nullopt;
  return bytes;
}

}  // namespace varlek::guia
