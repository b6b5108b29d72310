#include "guide/CodigosPagina.h"

#include <iconv.h>

#include <array>
#include <map>
#include <mutex>
#include <string_view>

namespace varlek::guia {

namespace {

constexpr char32_t kReemplazo = 0xFFFD;

// The Symbol font from 0x20 on (0x7F to 0x9F are unused).
constexpr char32_t kSimbolo20[] = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, 0x0028, 0x0029, 0x2217, 0x002B, 0x002C, 0x2212,
    0x002E, 0x002F, 0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037, 0x0038, 0x0039, 0x003A, 0x003B,
    0x003C, 0x003D, 0x003E, 0x003F, 0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399,
    0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9,
    0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5, 0x005F, 0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5,
    0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3,
    0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C,
};
constexpr char32_t kSimboloA0[] = {
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666,     0x2665, 0x2660, 0x2194,
    0x2190, 0x2191, 0x2192, 0x2193, 0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7,     0x221D, 0x2202, 0x2022,
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5, 0x2135,     0x2111, 0x211C, 0x2118,
    0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284, 0x2282,     0x2286, 0x2208, 0x2209,
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5, 0x00AC,     0x2227, 0x2228, 0x21D4,
    0x21D0, 0x21D1, 0x21D2, 0x21D3, 0x25CA, 0x27E8, 0x00AE, 0x00A9, 0x2122,     0x2211, 0x239B, 0x239C,
    0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA, kReemplazo, 0x27E9, 0x222B, 0x2320,
    0x23AE, 0x2321, 0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB,     0x23AC, 0x23AD, kReemplazo,
};
static_assert(std::size(kSimbolo20) == 0x7F - 0x20);
static_assert(std::size(kSimboloA0) == 0x100 - 0xA0);

using TablaPagina = std::array<char32_t, 256>;

const char* NombreIconv(int pagina) {
  switch (pagina) {
    case 1250:
      return "CP1250";
    case 1251:
      return "CP1251";
    case 1253:
      return "CP1253";
    case 1254:
      return "CP1254";
    case 1255:
      return "CP1255";
    case 1256:
      return "CP1256";
    case 1257:
      return "CP1257";
    case 1258:
      return "CP1258";
    case 874:
      return "CP874";
    case 437:
      return "CP437";
    case 850:
      return "CP850";
    case 10000:
      return "MACINTOSH";
    default:
      return "CP1252";
  }
}

// The table of one code page, built once through the C library's converter.
TablaPagina ConstruyeTabla(int pagina) {
  TablaPagina tabla;
  for (int b = 0; b < 0x80; ++b) tabla[b] = static_cast<char32_t>(b);
  for (int b = 0x80; b < 0x100; ++b) tabla[b] = kReemplazo;
  iconv_t conversor = iconv_open("UTF-32LE", NombreIconv(pagina));
  if (conversor == reinterpret_cast<iconv_t>(-1)) return tabla;
  for (int b = 0x80; b < 0x100; ++b) {
    char entrada = static_cast<char>(b);
    unsigned char salida[8] = {};
    char* pe = &entrada;
    char* ps = reinterpret_cast<char*>(salida);
    std::size_t quedaEntrada = 1, quedaSalida = sizeof salida;
    iconv(conversor, nullptr, nullptr, nullptr, nullptr);
    if (iconv(conversor, &pe, &quedaEntrada, &ps, &quedaSalida) != static_cast<std::size_t>(-1) &&
        quedaSalida == sizeof salida - 4) {
      tabla[b] = salida[0] | (salida[1] << 8) | (salida[2] << 16) | (static_cast<char32_t>(salida[3]) << 24);
    }
  }
  iconv_close(conversor);
  return tabla;
}

}  // namespace

int PaginaDeJuego(int juego) {
  switch (juego) {
    case 2:
      return kPaginaSimbolo;
    case 77:
      return 10000;
    case 161:
      return 1253;
    case 162:
      return 1254;
    case 163:
      return 1258;
    case 177:
      return 1255;
    case 178:
      return 1256;
    case 186:
      return 1257;
    case 204:
      return 1251;
    case 222:
      return 874;
    case 238:
      return 1250;
    case 255:
      return 437;
    default:
      return 0;
  }
}

char32_t CaracterSimbolo(char32_t codigo) {
  if (codigo >= 0xF020 && codigo <= 0xF0FF) codigo -= 0xF000;
  if (codigo >= 0x20 && codigo < 0x7F) return kSimbolo20[codigo - 0x20];
  if (codigo >= 0xA0 && codigo <= 0xFF) return kSimboloA0[codigo - 0xA0];
  return codigo < 0x20 ? codigo : kReemplazo;
}

char32_t Caracter(int pagina, std::uint8_t byte) {
  if (pagina == kPaginaSimbolo) return CaracterSimbolo(byte);
  if (byte < 0x80) return byte;
  static std::mutex cerrojo;
  static std::map<int, TablaPagina> tablas;
  const int clave = std::string_view(NombreIconv(pagina)) == "CP1252" ? 1252 : pagina;
  std::lock_guard guarda(cerrojo);
  auto it = tablas.find(clave);
  if (it == tablas.end()) it = tablas.emplace(clave, ConstruyeTabla(clave)).first;
  return it->second[byte];
}

void AnadeUtf8(std::string& destino, char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReemplazo;
  if (c < 0x80) {
    destino += static_cast<char>(c);
  } else if (c < 0x800) {
    destino += static_cast<char>(0xC0 | (c >> 6));
    destino += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    destino += static_cast<char>(0xE0 | (c >> 12));
    destino += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    destino += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    destino += static_cast<char>(0xF0 | (c >> 18));
    destino += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    destino += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    destino += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace varlek::guia
