#pragma once
// Characters of the one-byte code pages that RTF files name (\ansicpg,
// \cpg, \fcharset) and of the Symbol font, as Unicode.

#include <cstdint>
#include <string>

namespace varlek::guia {

// The code page of a Symbol-font run: its bytes are the font's own
// characters, not those of any code page.
inline constexpr int kPaginaSimbolo = 2;

// The code page that a font's \fcharset stands for; 0 when the font takes
// the document's \ansicpg.
int PaginaDeJuego(int juego);

// The character of `byte` in code page `pagina` (1250 to 1258, 874, 437,
// 850, 10000 or kPaginaSimbolo); pages without a table are read as 1252.
// Bytes a page leaves undefined give U+FFFD.
char32_t Caracter(int pagina, std::uint8_t byte);

// The character a Symbol-font code stands for: 0x20 to 0xFF, or the same
// codes moved to U+F020 to U+F0FF as Unicode-aware writers store them.
char32_t CaracterSimbolo(char32_t codigo);

void AnadeUtf8(std::string& destino, char32_t c);

}  // namespace varlek::guia
