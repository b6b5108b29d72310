#pragma once
// Where the guide's chapters are found and how they are read.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varlek::guia {

// The chapter's path: the directory, a separator, the name. The separator
// is added even when the directory already ends with one.
std::string RutaCapitulo(const std::string& directorio, const std::string& nombre);

// The bytes of a file; nothing when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> LeeBytes(const std::string& ruta);

}  // namespace varlek::guia
