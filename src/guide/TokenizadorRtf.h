#pragma once
// Splits RTF bytes into tokens: group braces, control words with their
// numeric parameter, control symbols, hex bytes (\'hh) and runs of plain
// text. It never reads past the end of its bytes.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace varlek::guia {

enum class TipoToken { Fin, AbreGrupo, CierraGrupo, Palabra, Simbolo, Hex, Texto };

struct Token {
  TipoToken tipo = TipoToken::Fin;
  std::string_view nombre;  // control word, or the text of a run
  bool conParametro = false;
  std::int32_t parametro = 0;
  char simbolo = 0;       // control symbol
  std::uint8_t byte = 0;  // \'hh
};

class TokenizadorRtf {
 public:
  explicit TokenizadorRtf(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  Token Siguiente();
  // Raw bytes after \binN: at most `n`, fewer when the file ends first.
  std::span<const std::uint8_t> Binario(std::size_t n);

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

}  // namespace varlek::guia
