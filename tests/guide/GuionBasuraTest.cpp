// Generated garbage for the chapter reader and the metafile reader: chapters
// and formulas cut, mutated and stuffed with control words must give a
// document (or nothing) without crashing, hanging or reading out of bounds
// (the suite also runs under AddressSanitizer).

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "guide/LectorRtf.h"
#include "guide/Metarchivo.h"
#include "guide/Wmf.h"

namespace varlek::guia {
namespace {

bool EsUtf8(const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    const int largo = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (largo == 0 || i + largo > s.size()) return false;
    for (int k = 1; k < largo; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
    }
    i += largo;
  }
  return true;
}

std::string Capitulo() {
  return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Times New Roman;}{\\f2\\fcharset2 Symbol;}}"
         "{\\colortbl ;\\red255\\green0\\blue0;}\\pard\\li360\\fi-360\\tx720 a\\'e1{\\f2 q}\\u-3913?{\\uc2\\u8364 "
         "XX}\\par"
         "\\trowd\\cellx1000\\cellx2000\\pard\\intbl x\\cell y\\cell\\row\\pard{\\object{\\*\\objdata 0102}{\\result"
         "{\\pict\\wmetafile8\\picwgoal2400\\pichgoal480 " +
         prueba::FormulaBragg().Hex() + "}}}{\\pict\\pngblip\\bin4 {}}}\\par}";
}

const char* const kPiezas[] = {
    "{",      "}",         "\\",         "\\bin",      "\\bin-5 ",     "\\u-",  "\\uc9",   "\\'",     "\\'f",
    "\\pict", "\\*",       "\\object",   "\\result",   "\\cell",       "\\row", "\\trowd", "\\cellx", "\\intbl",
    "\\f2",   "\\fonttbl", "\\colortbl", "\\picwgoal", "999999999999", "-",     ";",       "\\par"};

template <typename Bytes>
Bytes Muta(Bytes b, std::mt19937& azar) {
  const int cambios = 1 + static_cast<int>(azar() % 12);
  for (int k = 0; k < cambios && !b.empty(); ++k) {
    const std::size_t p = azar() % b.size();
    switch (azar() % 5) {
      case 0:
        b[p] = static_cast<typename Bytes::value_type>(azar());
        break;
      case 1:
        b.erase(b.begin() + p, b.begin() + std::min(b.size(), p + 1 + azar() % 64));
        break;
      case 2:
        b.resize(p);
        break;
      case 3: {
        const std::string pieza = kPiezas[azar() % std::size(kPiezas)];
        b.insert(b.begin() + p, pieza.begin(), pieza.end());
        break;
      }
      default:
        b.insert(b.begin() + p, b.begin() + p / 2, b.begin() + p / 2 + std::min<std::size_t>(p / 2 + 1, 100));
        break;
    }
  }
  return b;
}

TEST(GuionBasura, MutatedChaptersGiveADocument) {
  std::mt19937 azar(11);
  const std::string base = Capitulo();
  ASSERT_NE(TextoPlano(LeeRtf(base)).find("θ"), std::string::npos);
  for (int i = 0; i < 3000; ++i) {
    const std::string rtf = Muta(base, azar);
    const Documento d = LeeRtf(rtf);
    const std::string texto = TextoPlano(d);
    ASSERT_TRUE(EsUtf8(texto)) << i;
    ASSERT_LE(texto.size(), 4 * rtf.size() + 16) << i;
  }
  for (int i = 0; i < 300; ++i) {
    std::string ruido(1 + azar() % 4000, '\0');
    for (char& c : ruido) c = static_cast<char>(azar());
    ASSERT_TRUE(EsUtf8(TextoPlano(LeeRtf(ruido)))) << i;
  }
}

TEST(GuionBasura, MutatedMetafilesAreReadOrRefused) {
  std::mt19937 azar(7);
  const std::vector<std::uint8_t> base = prueba::FormulaBragg().Bytes();
  for (int i = 0; i < 5000; ++i) {
    const auto m = LeeMetarchivo(Muta(base, azar));
    if (!m) continue;
    for (const DibujoWmf& d : m->dibujos) ASSERT_TRUE(EsUtf8(d.texto)) << i;
  }
}

}  // namespace
}  // namespace varlek::guia
