#include "files/FicheroDatos.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <functional>

#include "files/FicheroSistema.h"
#include "scan/Barrido.h"
#include "state/ErrorVarlek.h"
#include "state/Numeros.h"

namespace varlek {
namespace {

constexpr int kCampos = 404;
// Characters kept of one field: more than any number or header needs, and a
// bound on memory whatever the file holds.
constexpr std::size_t kMaximoCampo = 64 * 1024;
constexpr std::size_t kBloque = 64 * 1024;
// A file whose 404 fields do not end within this many bytes is read as if it
// ended there (so /dev/zero or a runaway quote cannot keep the load going).
constexpr std::size_t kMaximoFichero = 64 * 1024 * 1024;

// The written forms of the header kinds that are neither numbers nor texts.
constexpr std::string_view kNulo = "#NULL#";
constexpr std::string_view kVerdadero = "#TRUE#";
constexpr std::string_view kFalso = "#FALSE#";

bool EsFinDeLinea(char c) { return c == '\r' || c == '\n'; }

struct Campo {
  std::string texto;
  bool entreComillas = false;
};

// Splits bytes into fields. The bytes arrive in blocks from `bloques` (an empty
// block ends the input), so a file is read without holding it whole.
class LectorCampos {
 public:
  explicit LectorCampos(std::function<std::string_view()> bloques) : bloques_(std::move(bloques)) {}

  // The next field, or false when the input ends before it starts.
  bool Siguiente(Campo& campo) {
    SaltaBlancos();
    if (!HayMas()) return false;
    campo.texto.clear();
    campo.entreComillas = bloque_[pos_] == '"';
    if (campo.entreComillas) {
      ++pos_;
      Toma([](char c) { return c == '"'; }, &campo.texto);
      if (HayMas()) ++pos_;
      // Whatever stands between the closing quote and the delimiter is dropped.
      Toma([](char c) { return c == ',' || EsFinDeLinea(c); }, nullptr);
    } else {
      Toma([](char c) { return c == ',' || EsFinDeLinea(c); }, &campo.texto);
      while (!campo.texto.empty() && EsBlanco(campo.texto.back())) campo.texto.pop_back();
    }
    TerminaCampo();
    return true;
  }

 private:
  bool HayMas() {
    while (pos_ == bloque_.size()) {
      if (terminado_) return false;
      bloque_ = bloques_();
      pos_ = 0;
      terminado_ = bloque_.empty();
    }
    return true;
  }

  void SaltaBlancos() {
    while (HayMas() && EsBlanco(bloque_[pos_])) ++pos_;
  }

  // Moves up to the first byte that satisfies `fin`, keeping what it passes
  // in `destino` (up to the cap) unless `destino` is null.
  template <typename Fin>
  void Toma(Fin fin, std::string* destino) {
    while (HayMas()) {
      const auto resto = bloque_.substr(pos_);
      const auto tramo = static_cast<std::size_t>(std::find_if(resto.begin(), resto.end(), fin) - resto.begin());
      if (destino && destino->size() < kMaximoCampo)
        destino->append(resto.substr(0, std::min(tramo, kMaximoCampo - destino->size())));
      pos_ += tramo;
      if (tramo < resto.size()) return;
    }
  }

  // A field ends at a comma or at a line end (CR LF, LF or CR); a comma
  // followed by blanks and a line end counts as one delimiter, so lines that
  // end in a comma give one field each.
  void TerminaCampo() {
    if (!HayMas()) return;
    if (bloque_[pos_] == ',') {
      ++pos_;
      SaltaBlancos();
      if (!HayMas() || !EsFinDeLinea(bloque_[pos_])) return;
    }
    if (bloque_[pos_] == '\r') {
      ++pos_;
      if (HayMas() && bloque_[pos_] == '\n') ++pos_;
    } else if (bloque_[pos_] == '\n') {
      ++pos_;
    }
  }

  std::function<std::string_view()> bloques_;
  std::string_view bloque_;
  std::size_t pos_ = 0;
  bool terminado_ = false;
};

Valor CabeceraDe(Campo&& campo) {
  if (campo.entreComillas) return std::move(campo.texto);
  const std::string_view t = campo.texto;
  if (t.empty()) return std::monostate{};
  if (t == kNulo) return Nulo{};
  if (t == kVerdadero) return true;
  if (t == kFalso) return false;
  if (LargoNumero(t) == t.size()) return LeeNumero(t);
  return std::move(campo.texto);
}

DatosEspectro Interpreta(LectorCampos& lector) {
  Campo campo;
  auto siguiente = [&]() -> const std::string& {
    if (!lector.Siguiente(campo)) throw ErrorVarlek(codigo::FinDeFichero);
    return campo.texto;
  };
  DatosEspectro datos;
  siguiente();
  datos.cabecera = CabeceraDe(std::move(campo));
  datos.minimo = LeeNumero(siguiente());
  datos.maximo = AFloat(LeeNumero(siguiente()));
  for (float& punto : datos.puntos) punto = AFloat(LeeNumero(siguiente()));
  return datos;
}

// A value the file cannot carry (the readers take "NaN" or "Inf" as 0) is
// refused rather than written as something else.
template <typename T>
T Finito(T valor) {
  if (!std::isfinite(valor)) throw ErrorVarlek(codigo::Desbordamiento);
  return valor;
}

// A text goes between double quotes; a quote or a line end inside it would
// break the file, so they become an apostrophe and a blank.
std::string TextoEntreComillas(std::string texto) {
  for (char& c : texto) {
    if (c == '"') c = '\'';
    if (EsFinDeLinea(c)) c = ' ';
  }
  return '"' + texto + '"';
}

std::string TextoCabecera(const Valor& cabecera) {
  struct Visitante {
    std::string operator()(std::monostate) const { return {}; }
    std::string operator()(Nulo) const { return std::string(kNulo); }
    std::string operator()(bool b) const { return std::string(b ? kVerdadero : kFalso); }
    std::string operator()(std::uint8_t v) const { return TextoExacto(static_cast<double>(v)); }
    std::string operator()(std::int16_t v) const { return TextoExacto(static_cast<double>(v)); }
    std::string operator()(float v) const { return TextoExacto(Finito(v)); }
    std::string operator()(double v) const { return TextoExacto(Finito(v)); }
    std::string operator()(const std::string& s) const { return TextoEntreComillas(s); }
  };
  return std::visit(Visitante{}, cabecera);
}

}  // namespace

std::string TextoDatos(const DatosEspectro& datos) {
  std::string texto;
  texto.reserve(kCampos * 12);
  auto linea = [&texto](const std::string& s) {
    texto += s;
    texto += "\r\n";
  };
  linea(TextoCabecera(datos.cabecera));
  linea(TextoExacto(Finito(datos.minimo)));
  linea(TextoExacto(Finito(datos.maximo)));
  for (float punto : datos.puntos) linea(TextoExacto(Finito(punto)));
  return texto;
}

DatosEspectro LeeDatos(std::string_view bytes) {
  bool entregado = false;
  LectorCampos lector([&]() -> std::string_view {
    if (entregado) return {};
    entregado = true;
    return bytes;
  });
  return Interpreta(lector);
}

void SalvaDatos(const std::string& ruta, const DatosEspectro& datos) { EscribeEntero(ruta, TextoDatos(datos)); }

DatosEspectro CargaDatos(const std::string& ruta) {
  Descriptor f(::open(ruta.c_str(), O_RDONLY | O_CLOEXEC));
  if (f.fd() < 0) FallaSistema(ruta);
  std::string bloque(kBloque, '\0');
  std::size_t leidos = 0;
  LectorCampos lector([&]() -> std::string_view {
    if (leidos >= kMaximoFichero) return {};
    ssize_t n;
    do {
      n = ::read(f.fd(), bloque.data(), bloque.size());
    } while (n < 0 && errno == EINTR);
    if (n < 0) FallaSistema(ruta);
    leidos += static_cast<std::size_t>(n);
    return std::string_view(bloque.data(), static_cast<std::size_t>(n));
  });
  return Interpreta(lector);
}

DatosEspectro DatosDePantalla(const Estado& e) {
  return DatosEspectro{e.EspectroCabecera, e.EspectroMin, e.EspectroMax, e.Espectro};
}

bool AplicaDatos(Estado& e, const DatosEspectro& datos) {
  e.EspectroCabecera = datos.cabecera;
  e.Espectro = datos.puntos;
  const bool otroRango = datos.minimo != e.EspectroMin || datos.maximo != e.EspectroMax;
  e.EspectroMin = datos.minimo;
  e.EspectroMax = datos.maximo;
  if (e.DeltaMin != e.EspectroMin || e.DeltaMax != e.EspectroMax) FijaLimites(e, e.EspectroMin, e.EspectroMax);
  return otroRango;
}

}  // namespace varlek
