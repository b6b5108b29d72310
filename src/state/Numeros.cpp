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

bool EsDigito(char c) { return c >= '0' && c <= '9'; }
bool EsExponente(char c, bool conD) { return c == 'E' || c == 'e' || (conD && (c == 'D' || c == 'd')); }

// The value of a text that LargoNumero takes whole. A magnitude beyond the
// range of a double gives the largest double of its sign, one too small 0.
double ValorDe(std::string_view numero) {
  const bool negativo = numero.starts_with('-');
  if (negativo || numero.starts_with('+')) numero.remove_prefix(1);
  std::size_t posE = 0;
  while (posE < numero.size() && !EsExponente(numero[posE], true)) ++posE;
  const std::string_view mantisa = numero.substr(0, posE);

  // Where the first significant digit stands: digits before the point, or
  // minus the zeros after it.
  int cifrasEnteras = 0, cerosFraccion = 0;
  bool significativo = false, trasPunto = false;
  for (char c : mantisa) {
    if (c == '.') {
      trasPunto = true;
    } else if (c != '0' || significativo) {
      significativo = true;
      if (!trasPunto) ++cifrasEnteras;
    } else if (trasPunto) {
      ++cerosFraccion;
    }
  }
  if (!significativo) return 0.0;

  std::string limpio(mantisa);
  long long exponente = 0;
  if (posE < numero.size()) {
    std::string_view resto = numero.substr(posE + 1);
    const bool expNegativo = resto.starts_with('-');
    if (expNegativo || resto.starts_with('+')) resto.remove_prefix(1);
    for (char c : resto)
      if (exponente < 100000000) exponente = exponente * 10 + (c - '0');
    if (expNegativo) exponente = -exponente;
    limpio += 'e';
    limpio += std::to_string(exponente);
  }
  double valor = 0.0;
  const auto r = std::from_chars(limpio.data(), limpio.data() + limpio.size(), valor);
  if (r.ec == std::errc::result_out_of_range) {
    const long long orden = exponente + (cifrasEnteras > 0 ? cifrasEnteras : -cerosFraccion);
    valor = orden > 0 ? std::numeric_limits<double>::max() : 0.0;
  } else if (r.ec != std::errc()) {
    valor = 0.0;
  }
  return negativo ? -valor : valor;
}

}  // namespace

std::string FormateaNumero(double valor) { return Formatea(valor, 15, 14, " "); }
std::string FormateaNumero(float valor) { return Formatea(valor, 7, 6, " "); }
std::string FormateaNumero(int valor) { return FormateaNumero(static_cast<double>(valor)); }
std::string TextoExacto(double valor) { return Formatea(valor, 0, 14, ""); }
std::string TextoExacto(float valor) { return Formatea(valor, 0, 6, ""); }

std::size_t LargoNumero(std::string_view t, bool conD) {
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  bool hayDigitos = false;
  for (; i < t.size() && EsDigito(t[i]); ++i) hayDigitos = true;
  if (i < t.size() && t[i] == '.')
    for (++i; i < t.size() && EsDigito(t[i]); ++i) hayDigitos = true;
  if (!hayDigitos) return 0;
  // An exponent counts only with its digits.
  if (i < t.size() && EsExponente(t[i], conD)) {
    std::size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    if (j < t.size() && EsDigito(t[j])) {
      while (j < t.size() && EsDigito(t[j])) ++j;
      i = j;
    }
  }
  return i;
}

double LeeNumero(std::string_view texto) {
  std::string sinBlancos;
  for (char c : texto)
    if (!EsBlanco(c) && c != '\n') sinBlancos.push_back(c);
  return ValorDe(std::string_view(sinBlancos).substr(0, LargoNumero(sinBlancos)));
}

std::optional<double> LeeNumeroEstricto(std::string_view texto) {
  if (texto.empty() || LargoNumero(texto, false) != texto.size()) return std::nullopt;
  if (texto.starts_with('+')) texto.remove_prefix(1);  // from_chars takes no plus sign
  double valor = 0;
  const auto r = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
  if (r.ec != std::errc() || !std::isfinite(valor)) return std::nullopt;
  return valor;
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
