#pragma once
// Reads an RTF document into the document model. Whatever the bytes, it
// returns what could be read: unbalanced braces, truncated files, invalid
// hex and oversized data never stop it, and it reads nothing out of bounds.

#include <cstdint>
#include <span>
#include <string_view>

#include "guide/ModeloRtf.h"

namespace varlek::guia {

Documento LeeRtf(std::span<const std::uint8_t> bytes);
Documento LeeRtf(std::string_view texto);

}  // namespace varlek::guia
