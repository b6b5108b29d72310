#pragma once
// A value of any kind, as the spectrum's header value: nothing, a null, a
// number of one of the kinds a file can carry, or a text.

#include <cstdint>
#include <string>
#include <variant>

namespace varlek {

struct Nulo {
  bool operator==(const Nulo&) const = default;
};

using Valor = std::variant<std::monostate, Nulo, bool, std::uint8_t, std::int16_t, float, double, std::string>;

inline bool EstaVacio(const Valor& v) { return std::holds_alternative<std::monostate>(v); }

}  // namespace varlek
