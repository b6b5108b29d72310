#include "guide/TokenizadorRtf.h"

#include <algorithm>

namespace varlek::guia {

namespace {
constexpr std::size_t kLetrasMaximas = 32;  // longer names are cut, the rest read as text
constexpr std::size_t kCifrasMaximas = 10;

bool EsLetra(std::uint8_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool EsCifra(std::uint8_t c) { return c >= '0' && c <= '9'; }
int ValorHex(std::uint8_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
}  // namespace

Token TokenizadorRtf::Siguiente() {
  Token t;
  const std::size_t n = bytes_.size();
  const auto texto = [&](std::size_t desde, std::size_t hasta) {
    return std::string_view(reinterpret_cast<const char*>(bytes_.data()) + desde, hasta - desde);
  };
  while (pos_ < n) {
    const std::uint8_t c = bytes_[pos_];
    if (c == '{') {
      ++pos_;
      t.tipo = TipoToken::AbreGrupo;
      return t;
    }
    if (c == '}') {
      ++pos_;
      t.tipo = TipoToken::CierraGrupo;
      return t;
    }
    if (c == '\\') {
      ++pos_;
      if (pos_ >= n) return t;  // a lone backslash at the end
      const std::uint8_t d = bytes_[pos_];
      if (EsLetra(d)) {
        const std::size_t inicio = pos_;
        while (pos_ < n && EsLetra(bytes_[pos_]) && pos_ - inicio < kLetrasMaximas) ++pos_;
        t.tipo = TipoToken::Palabra;
        t.nombre = texto(inicio, pos_);
        bool negativo = false;
        if (pos_ + 1 < n && bytes_[pos_] == '-' && EsCifra(bytes_[pos_ + 1])) {
          negativo = true;
          ++pos_;
        }
        if (pos_ < n && EsCifra(bytes_[pos_])) {
          std::int64_t valor = 0;
          const std::size_t cifras = pos_;
          while (pos_ < n && EsCifra(bytes_[pos_])) {
            if (pos_ - cifras < kCifrasMaximas) valor = valor * 10 + (bytes_[pos_] - '0');
            ++pos_;
          }
          if (negativo) valor = -valor;
          t.conParametro = true;
          t.parametro = static_cast<std::int32_t>(std::clamp<std::int64_t>(valor, INT32_MIN, INT32_MAX));
        }
        if (pos_ < n && bytes_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word
        return t;
      }
      if (d == '\'') {
        ++pos_;
        const int alto = pos_ < n ? ValorHex(bytes_[pos_]) : -1;
        const int bajo = pos_ + 1 < n ? ValorHex(bytes_[pos_ + 1]) : -1;
        if (alto < 0 || bajo < 0) continue;  // invalid hex: dropped
        pos_ += 2;
        t.tipo = TipoToken::Hex;
        t.byte = static_cast<std::uint8_t>(alto * 16 + bajo);
        return t;
      }
      ++pos_;
      // A backslash before a line end is a paragraph mark.
      if (d == '\n' || d == '\r') {
        t.tipo = TipoToken::Palabra;
        t.nombre = "par";
        return t;
      }
      t.tipo = TipoToken::Simbolo;
      t.simbolo = static_cast<char>(d);
      return t;
    }
    if (c == '\r' || c == '\n') {
      ++pos_;
      continue;
    }
    const std::size_t inicio = pos_;
    while (pos_ < n && bytes_[pos_] != '{' && bytes_[pos_] != '}' && bytes_[pos_] != '\\' && bytes_[pos_] != '\r' &&
           bytes_[pos_] != '\n') {
      ++pos_;
    }
    t.tipo = TipoToken::Texto;
    t.nombre = texto(inicio, pos_);
    return t;
  }
  return t;
}

std::span<const std::uint8_t> TokenizadorRtf::Binario(std::size_t n) {
  const std::size_t tomados = std::min(n, bytes_.size() - pos_);
  auto datos = bytes_.subspan(pos_, tomados);
  pos_ += tomados;
  return datos;
}

}  // namespace varlek::guia
