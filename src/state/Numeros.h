#pragma once
// The number rules of the program: numbers shown as text, texts read as
// numbers, and whole-number fields.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varlek {

// Number to text as shown on screen: a leading blank or a minus sign, the
// point as decimal separator, no zero before the point, no point for whole
// values, at most 15 significant digits (7 for a float), exponent form
// ("1.5E+20", "-2.5E-07", "1E-05") outside 1E-4 up to below 1E15 (1E7 for
// a float).
std::string FormateaNumero(double valor);
std::string FormateaNumero(float valor);
std::string FormateaNumero(int valor);

// Number to text for a data file: the same layout without the leading
// blank, with the fewest digits that read back to the very same value
// (at most 9 for a float, 17 for a double).
std::string TextoExacto(double valor);
std::string TextoExacto(float valor);

// Blanks: the space and the tab.
constexpr bool EsBlanco(char c) { return c == ' ' || c == '\t'; }

// The length of the longest leading part of a text that forms a decimal
// number: an optional sign, digits with at most one point, and an optional
// exponent (E, or also D when `conD`; an optional sign; digits). 0 when the
// text does not start with a number.
std::size_t LargoNumero(std::string_view texto, bool conD = true);

// Text to number: the value of the longest leading part that forms a
// decimal number. Blanks, tabs and line feeds are skipped wherever they
// stand; a comma ends the number; E or D introduce the exponent. Never
// fails: a text that is no number gives 0, a magnitude beyond the range of
// a double gives the largest double of its sign, one too small gives 0.
double LeeNumero(std::string_view texto);

// A number as typed on a command line: the whole text must be a finite
// decimal number with the point as separator and E as exponent; anything
// else gives nothing.
std::optional<double> LeeNumeroEstricto(std::string_view texto);

// Whole-number fields: the nearest whole number, a half going to the even
// neighbour. A value outside the 16-bit range is error 6 (overflow).
std::int16_t EnteroDe16(double valor);

// The value rounded to a 32-bit float; a finite value beyond the float range
// (or a value that is not finite) is error 6.
float AFloat(double valor);

}  // namespace varlek
