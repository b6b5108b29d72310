#include "spectrum/FicheroMuestra.h"

#include <fcntl.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "files/FicheroSistema.h"
#include "state/Angulos.h"
#include "state/ErrorVarlek.h"

namespace varlek {
namespace {

// Type codes of the tagged values that fit a 4-byte record.
enum Tipo : std::uint16_t { kVacio = 0, kNulo = 1, kEntero = 2, kBooleano = 11, kByte = 17 };

std::uint16_t Lee16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

void Pon16(std::string& s, std::size_t pos, std::uint16_t v) {
  s[pos] = static_cast<char>(v & 0xff);
  s[pos + 1] = static_cast<char>(v >> 8);
}

Valor LeeEtiquetado(const unsigned char* registro) {
  switch (Lee16(registro)) {
    case kVacio:
      return std::monostate{};
    case kNulo:
      return Nulo{};
    case kEntero:
      return static_cast<std::int16_t>(Lee16(registro + 2));
    case kBooleano:
      return Lee16(registro + 2) != 0;
    case kByte:
      return static_cast<std::uint8_t>(registro[2]);
    default:
      throw ErrorVarlek(codigo::NoCoincidenTipos);
  }
}

// A start angle is a number; an empty value counts as 0, true as −1.
double ComoAngulo(const Valor& v) {
  if (EstaVacio(v)) return 0;
  if (const auto* b = std::get_if<bool>(&v)) return *b ? -1 : 0;
  if (const auto* e = std::get_if<std::int16_t>(&v)) return *e;
  if (const auto* b = std::get_if<std::uint8_t>(&v)) return *b;
  throw ErrorVarlek(codigo::NoCoincidenTipos);
}

void EscribeEtiquetado(std::string& s, std::size_t pos, const Valor& v) {
  struct Visitante {
    std::string& s;
    std::size_t pos;
    void operator()(std::monostate) const { Pon16(s, pos, kVacio); }
    void operator()(Nulo) const { Pon16(s, pos, kNulo); }
    void operator()(bool b) const {
      Pon16(s, pos, kBooleano);
      Pon16(s, pos + 2, b ? 0xffff : 0);
    }
    void operator()(std::uint8_t b) const {
      Pon16(s, pos, kByte);
      s[pos + 2] = static_cast<char>(b);
    }
    void operator()(std::int16_t e) const {
      Pon16(s, pos, kEntero);
      Pon16(s, pos + 2, static_cast<std::uint16_t>(e));
    }
    void operator()(float) const { throw ErrorVarlek(codigo::NoCoincidenTipos); }
    void operator()(double) const { throw ErrorVarlek(codigo::NoCoincidenTipos); }
    void operator()(const std::string&) const { throw ErrorVarlek(codigo::NoCoincidenTipos); }
  };
  std::visit(Visitante{s, pos}, v);
}

std::int16_t AnguloEntero(double grados) {
  if (!(grados >= -32768 && grados <= 32767) || grados != std::floor(grados)) throw ErrorVarlek(codigo::Desbordamiento);
  return static_cast<std::int16_t>(grados);
}

}  // namespace

DatosMuestra LeeMuestra(std::string_view bytes) {
  if (bytes.size() < kBytesMuestra) throw ErrorVarlek(codigo::FinDeFichero);
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  DatosMuestra d;
  d.cabecera = LeeEtiquetado(p);
  d.inicio = ComoAngulo(LeeEtiquetado(p + 4));
  LeeEtiquetado(p + 8);
  for (int i = 0; i <= 400; ++i) {
    const unsigned char* r = p + 12 + 4 * i;
    const std::uint32_t bits = static_cast<std::uint32_t>(r[0]) | (static_cast<std::uint32_t>(r[1]) << 8) |
                               (static_cast<std::uint32_t>(r[2]) << 16) | (static_cast<std::uint32_t>(r[3]) << 24);
    const float v = std::bit_cast<float>(bits);
    if (!std::isfinite(v)) throw ErrorVarlek(codigo::Desbordamiento);
    d.puntos[i] = v;
  }
  return d;
}

DatosMuestra LeeFicheroMuestra(const std::string& ruta) {
  // Without blocking, so a pipe with nobody writing cannot keep the load
  // waiting; a regular file reads the same either way.
  Descriptor f(::open(ruta.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (f.fd() < 0) FallaSistema(ruta);
  std::string bytes(kBytesMuestra, '\0');
  std::size_t leidos = 0;
  while (leidos < bytes.size()) {
    const ssize_t n = ::read(f.fd(), bytes.data() + leidos, bytes.size() - leidos);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) FallaSistema(ruta);
    if (n == 0) break;
    leidos += static_cast<std::size_t>(n);
  }
  bytes.resize(leidos);
  return LeeMuestra(bytes);
}

std::string BytesMuestra(const DatosMuestra& datos, double fin) {
  std::string s(kBytesMuestra, '\0');
  EscribeEtiquetado(s, 0, datos.cabecera);
  EscribeEtiquetado(s, 4, AnguloEntero(datos.inicio));
  EscribeEtiquetado(s, 8, AnguloEntero(fin));
  for (int i = 0; i <= 400; ++i) {
    if (!std::isfinite(datos.puntos[i])) throw ErrorVarlek(codigo::Desbordamiento);
    const auto bits = std::bit_cast<std::uint32_t>(datos.puntos[i]);
    const std::size_t pos = 12 + 4 * static_cast<std::size_t>(i);
    Pon16(s, pos, static_cast<std::uint16_t>(bits & 0xffff));
    Pon16(s, pos + 2, static_cast<std::uint16_t>(bits >> 16));
  }
  return s;
}

void SalvaMuestra(const std::string& ruta, const DatosMuestra& datos, double fin) {
  EscribeEntero(ruta, BytesMuestra(datos, fin));
}

void AplicaMuestra(Estado& e, const DatosMuestra& datos) {
  e.EspectroCabecera = datos.cabecera;
  e.EspectroMin = datos.inicio;
  e.Espectro = datos.puntos;
  e.DeltaRad = ARadianes(5);
}

double AnguloAnillo(int i) { return ARadianes(0.25 * i + 5); }

int GrisAnillo(float intensidad) {
  const double escalon = std::floor(static_cast<double>(intensidad) * 255 / 380);
  const double g = 255 - std::min(255.0, escalon);
  return g > 255 ? 255 : static_cast<int>(g);
}

std::string RutaMuestra(const std::string& nombre, const std::string& carpetaPrograma,
                        const std::string& carpetaDatos) {
  namespace fs = std::filesystem;
  const fs::path propia = fs::path(carpetaPrograma) / nombre;
  const fs::path datos = (fs::path(carpetaPrograma) / carpetaDatos).lexically_normal();
  const fs::path instalada = datos / nombre;
  std::error_code ec;
  if (fs::is_regular_file(propia, ec)) return propia.string();
  // Missing from both: a path whose folder exists, so that the reader
  // reports a missing file rather than a missing path.
  const bool soloPropia = !fs::exists(instalada, ec) && !fs::is_directory(datos, ec) &&
                          fs::is_directory(carpetaPrograma, ec) && !fs::exists(propia, ec);
  return (soloPropia ? propia : instalada).string();
}

}  // namespace varlek
