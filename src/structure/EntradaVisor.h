#pragma once
// What the structure window reads from its user: the Miller indices typed in
// its boxes and the count of clicks that pairs construction-line points.

#include <cstdint>
#include <string_view>

namespace varlek {

// A Miller index from its box: the number the text starts with, rounded to
// the nearest whole number (a half to the even neighbour); a value beyond
// the 16-bit range is held at −32768 or 32767.
std::int16_t IndiceDeTexto(std::string_view texto);

// ContadorClic after one more click. It counts on from 1, odd for the first
// point of a line and even for the second; after 32767 (odd) it goes on at 2,
// so the pairs keep alternating however many clicks there are.
std::int16_t SiguienteClic(std::int16_t contador);

}  // namespace varlek
