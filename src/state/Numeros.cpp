#include "state/Numeros.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "state/ErrorVarlek.h"

namespace varlek {
namespace {

// Lays out the digits of a number written by to_chars in scientific form
// ("d.ddde+XX") in the program's classic form. `exponenteMaximo` is the
// largest decimal exponent still written plainly.
std::string Compone(const char* texto, std::size_t longitud, int exponenteMaximo, const char* signoPositivo) {
  std::string_view s(texto, longitud);
  std::string signo = signoPositivo;
  if (!s.empty() && s.front() == '-') {
    signo = "-";
    s.remove_prefix(1);
  }
  const auto posE = s.find('e');
  const std::string_view mantisa = s.substr(0, posE);
  int exponente = 0;
  std::from_chars(s.data() + posE + 1 + (s[posE + 1] == '+' ? 1 : 0), s.data() + s.size(), exponente);

  std::string digitos;
  for (char c : mantisa)
    if (c != '.') digitos.push_back(c);
  while (digitos.size() > 1 && digitos.back() == '0') digitos.pop_back();
  if (digitos == "0") return std::string(signoPositivo) + "0";

  if (exponente >= -4 && exponente <= exponenteMaximo) {
    if (exponente < 0) return signo + "." + std::string(static_cast<std::size_t>(-exponente - 1), '0') + digitos;
    const auto enteros = static_cast<std::size_t>(exponente) + 1;
    if (digitos.size() <= enteros) return signo + digitos + std::string(enteros - digitos.size(), '0');
    return signo + digitos.substr(0, enteros) + "." + digitos.substr(enteros);
  }
  std::string resultado = signo + digitos.substr(0, 1);
  if (digitos.size() > 1) {
    resultado += '.';
    resultado.append(digitos, 1);
  }
  const int magnitud = exponente < 0 ? -exponente : exponente;
  resultado += exponente < 0 ? "E-" : "E+";
  if (magnitud < 10) resultado += "0";
  return resultado + std::to_string(magnitud);
}

template <typename T>
std::string NoFinito(T valor, const char* signoPositivo) {
  if (std::isnan(valor)) return std::string(signoPositivo) + "NaN";
  return valor < 0 ? std::string("-Inf") : std::string(signoPositivo) + "Inf";
}

template <typename T>
std::string Formatea(T valor, int cifras, int exponenteMaximo, const char* signoPositivo) {
  if (!std::isfinite(valor)) return NoFinito(valor, signoPositivo);
  char buffer[64];
  const auto r = cifras > 0
                     ? std::to_chars(buffer, buffer + sizeof buffer, valor, std::chars_format::scientific, cifras - 1)
                     : std::to_chars(buffer, buffer + sizeof buffer, valor, std::chars_format::scientific);
  return Compone(buffer, static_cast<std::size_t>(r.ptr - buffer), exponenteMaximo, signoPositivo);
}

bool EsBlanco(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool EsDigito(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FormateaNumero(double valor) { return Formatea(valor, 15, 14, " "); }
std::string FormateaNumero(float valor) { return Formatea(valor, 7, 6, " "); }
std::string FormateaNumero(int valor) { return FormateaNumero(static_cast<double>(valor)); }
std::string TextoExacto(double valor) { return Formatea(valor, 0, 14, ""); }
std::string TextoExacto(float valor) { return Formatea(valor, 0, 6, ""); }

double LeeNumero(std::string_view texto) {
  // Gather the numeric prefix without blanks into a clean form:
  // [-]digits[.digits][e[-]digits].
  std::string limpio;
  std::size_t i = 0;
  auto saltaBlancos = [&] {
    while (i < texto.size() && EsBlanco(texto[i])) ++i;
  };
  saltaBlancos();
  bool negativo = false;
  if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) {
    negativo = texto[i] == '-';
    ++i;
  }
  bool hayDigitos = false;
  bool hayPunto = false;
  int cifrasEnteras = 0;       // significant digits before the point
  int cerosFraccion = 0;       // zeros after the point before the first significant digit
  bool significativo = false;  // a non-zero digit has been seen
  for (;; ++i) {
    saltaBlancos();
    if (i >= texto.size()) break;
    const char c = texto[i];
    if (EsDigito(c)) {
      hayDigitos = true;
      if (c != '0') significativo = true;
      if (!hayPunto && significativo) ++cifrasEnteras;
      if (hayPunto && !significativo) ++cerosFraccion;
      limpio.push_back(c);
    } else if (c == '.' && !hayPunto) {
      hayPunto = true;
      limpio.push_back(c);
    } else {
      break;
    }
  }
  if (!hayDigitos) return 0.0;

  long long exponente = 0;
  if (i < texto.size() && (texto[i] == 'E' || texto[i] == 'e' || texto[i] == 'D' || texto[i] == 'd')) {
    std::size_t j = i + 1;
    auto saltaDesde = [&] {
      while (j < texto.size() && EsBlanco(texto[j])) ++j;
    };
    saltaDesde();
    bool expNegativo = false;
    if (j < texto.size() && (texto[j] == '+' || texto[j] == '-')) {
      expNegativo = texto[j] == '-';
      ++j;
    }
    saltaDesde();
    bool hayExp = false;
    for (; j < texto.size(); ++j) {
      saltaDesde();
      if (j >= texto.size() || !EsDigito(texto[j])) break;
      hayExp = true;
      if (exponente < 100000000) exponente = exponente * 10 + (texto[j] - '0');
    }
    if (hayExp) {
      if (expNegativo) exponente = -exponente;
      limpio += 'e';
      limpio += std::to_string(exponente);
    }
  }
  if (!significativo) return 0.0;

  double valor = 0.0;
  const auto r = std::from_chars(limpio.data(), limpio.data() + limpio.size(), valor);
  if (r.ec == std::errc::result_out_of_range) {
    // Where the first significant digit stands decides between too large and too small.
    const long long orden = exponente + (cifrasEnteras > 0 ? cifrasEnteras : -cerosFraccion);
    valor = orden > 0 ? std::numeric_limits<double>::max() : 0.0;
  } else if (r.ec != std::errc()) {
    valor = 0.0;
  }
  return negativo ? -valor : valor;
}

std::int16_t EnteroDe16(double valor) {
  const double redondeado = std::nearbyint(valor);
  if (!(redondeado >= -32768.0 && redondeado <= 32767.0)) throw ErrorVarlek(codigo::Desbordamiento);
  return static_cast<std::int16_t>(redondeado);
}

float AFloat(double valor) {
  if (!std::isfinite(valor)) throw ErrorVarlek(codigo::Desbordamiento);
  const float f = static_cast<float>(valor);
  if (!std::isfinite(f)) throw ErrorVarlek(codigo::Desbordamiento);
  return f;
}

}  // namespace varlek
