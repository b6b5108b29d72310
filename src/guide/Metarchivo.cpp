#include "guide/Metarchivo.h"

#include <algorithm>

#include "guide/CodigosPagina.h"

namespace varlek::guia {

namespace {

constexpr std::uint32_t kClaveColocable = 0x9AC6CDD7;
constexpr std::size_t kObjetosMaximos = 1024;
constexpr std::size_t kDibujosMaximos = 200000;

// The records that change what is drawn. The map mode and the background
// mode change nothing a formula shows, and are skipped like any other.
namespace registro {
constexpr std::uint16_t Fin = 0x0000, OrigenVentana = 0x020B, ExtensionVentana = 0x020C, CreaFuente = 0x02FB,
                        CreaLapiz = 0x02FA, CreaBrocha = 0x02FC, SeleccionaObjeto = 0x012D, BorraObjeto = 0x01F0,
                        AlineaTexto = 0x012E, ColorTexto = 0x0209, Texto = 0x0521, TextoExtendido = 0x0A32,
                        MueveA = 0x0214, LineaA = 0x0213, Polilinea = 0x0325, Poligono = 0x0324, Rectangulo = 0x041B;
}

// Little-endian reads that give 0 past the end.
class Bytes {
 public:
  explicit Bytes(std::span<const std::uint8_t> b) : b_(b) {}
  std::uint16_t U16(std::size_t p) const { return p + 2 <= b_.size() ? b_[p] | (b_[p + 1] << 8) : 0; }
  std::int16_t I16(std::size_t p) const { return static_cast<std::int16_t>(U16(p)); }
  std::uint32_t U32(std::size_t p) const { return U16(p) | (static_cast<std::uint32_t>(U16(p + 2)) << 16); }
  std::uint8_t U8(std::size_t p) const { return p < b_.size() ? b_[p] : 0; }
  ColorRgb Color(std::size_t p) const { return {U8(p), U8(p + 1), U8(p + 2)}; }
  std::size_t Tamano() const { return b_.size(); }

 private:
  std::span<const std::uint8_t> b_;
};

using Objeto = std::optional<std::variant<LapizWmf, BrochaWmf, FuenteWmf>>;

class Reproductor {
 public:
  Reproductor(const Bytes& b, std::size_t numObjetos) : b_(b), objetos_(std::min(numObjetos, kObjetosMaximos)) {}

  // One record: its parameters start at `p` and end before `fin`.
  void Registro(std::uint16_t funcion, std::size_t p, std::size_t fin) {
    switch (funcion) {
      case registro::OrigenVentana:
        m.ventana.y = b_.I16(p);
        m.ventana.x = b_.I16(p + 2);
        return;
      case registro::ExtensionVentana:
        m.ventana.alto = b_.I16(p);
        m.ventana.ancho = b_.I16(p + 2);
        return;
      case registro::CreaLapiz: {
        LapizWmf l;
        l.visible = (b_.U16(p) & 0x0F) != 5;  // PS_NULL
        l.ancho = b_.I16(p + 2);
        l.color = b_.Color(p + 6);
        Crea(l);
        return;
      }
      case registro::CreaBrocha: {
        BrochaWmf br;
        br.visible = b_.U16(p) != 1;  // BS_NULL
        br.color = b_.Color(p + 2);
        Crea(br);
        return;
      }
      case registro::CreaFuente:
        Crea(LeeFuente(p, fin));
        return;
      case registro::SeleccionaObjeto: {
        const std::size_t i = b_.U16(p);
        if (i >= objetos_.size() || !objetos_[i]) return;
        std::visit([this](const auto& o) { Selecciona(o); }, *objetos_[i]);
        return;
      }
      case registro::BorraObjeto:
        if (b_.U16(p) < objetos_.size()) objetos_[b_.U16(p)].reset();
        return;
      case registro::AlineaTexto:
        alineacion_ = b_.U16(p);
        return;
      case registro::ColorTexto:
        colorTexto_ = b_.Color(p);
        return;
      case registro::MueveA:
        actual_ = {b_.I16(p + 2), b_.I16(p)};
        return;
      case registro::LineaA: {
        const PuntoWmf destino{b_.I16(p + 2), b_.I16(p)};
        Anade(TipoDibujoWmf::Linea, {actual_, destino});
        actual_ = destino;
        return;
      }
      case registro::Polilinea:
      case registro::Poligono: {
        const std::size_t n = std::min<std::size_t>(b_.U16(p), (fin - std::min(fin, p + 2)) / 4);
        std::vector<PuntoWmf> puntos;
        puntos.reserve(n);
        for (std::size_t k = 0; k < n; ++k) puntos.push_back({b_.I16(p + 2 + 4 * k), b_.I16(p + 4 + 4 * k)});
        Anade(funcion == registro::Poligono ? TipoDibujoWmf::Poligono : TipoDibujoWmf::Linea, std::move(puntos));
        return;
      }
      case registro::Rectangulo:
        Anade(TipoDibujoWmf::Rectangulo, {{b_.I16(p + 6), b_.I16(p + 4)}, {b_.I16(p + 2), b_.I16(p)}});
        return;
      case registro::Texto: {
        const std::size_t n = std::min<std::size_t>(std::max<int>(b_.I16(p), 0), fin - std::min(fin, p + 2));
        const std::size_t tras = p + 2 + (n + 1) / 2 * 2;
        AnadeTexto(p + 2, n, {b_.I16(tras + 2), b_.I16(tras)});
        return;
      }
      case registro::TextoExtendido: {
        const PuntoWmf punto{b_.I16(p + 2), b_.I16(p)};
        const std::size_t cuenta = std::max<int>(b_.I16(p + 4), 0);
        const bool conRect = (b_.U16(p + 6) & 0x0006) != 0;  // ETO_OPAQUE, ETO_CLIPPED
        const std::size_t inicio = p + 8 + (conRect ? 8 : 0);
        AnadeTexto(inicio, std::min(cuenta, fin - std::min(fin, inicio)), punto);
        return;
      }
      default:
        return;  // mapping mode, background mode and every other record
    }
  }

  Metarchivo m;

 private:
  template <typename T>
  void Crea(T objeto) {
    // A new object takes the lowest free slot.
    for (auto& o : objetos_) {
      if (!o) {
        o = std::move(objeto);
        return;
      }
    }
  }
  void Selecciona(const LapizWmf& l) { lapiz_ = l; }
  void Selecciona(const BrochaWmf& b) { brocha_ = b; }
  void Selecciona(const FuenteWmf& f) { fuente_ = f; }

  FuenteWmf LeeFuente(std::size_t p, std::size_t fin) {
    FuenteWmf f;
    f.alto = b_.I16(p);
    f.peso = b_.I16(p + 8);
    f.cursiva = b_.U8(p + 10) != 0;
    f.juego = b_.U8(p + 13);
    for (std::size_t k = p + 18; k < std::min(fin, p + 18 + 32) && b_.U8(k) != 0; ++k) {
      AnadeUtf8(f.cara, Caracter(1252, b_.U8(k)));
    }
    return f;
  }

  void AnadeTexto(std::size_t inicio, std::size_t n, PuntoWmf punto) {
    const bool simbolo = fuente_.juego == 2 || fuente_.cara == "Symbol";
    const int pagina = simbolo ? kPaginaSimbolo : PaginaDeJuego(fuente_.juego);
    std::string texto;
    for (std::size_t k = 0; k < n; ++k) AnadeUtf8(texto, Caracter(pagina == 0 ? 1252 : pagina, b_.U8(inicio + k)));
    Anade(TipoDibujoWmf::Texto, {punto}, std::move(texto));
  }

  void Anade(TipoDibujoWmf tipo, std::vector<PuntoWmf> puntos, std::string texto = {}) {
    if (m.dibujos.size() >= kDibujosMaximos) return;
    m.dibujos.push_back(
        {tipo, m.ventana, std::move(puntos), lapiz_, brocha_, fuente_, colorTexto_, alineacion_, std::move(texto)});
  }

  const Bytes& b_;
  std::vector<Objeto> objetos_;
  LapizWmf lapiz_;
  BrochaWmf brocha_;
  FuenteWmf fuente_;
  ColorRgb colorTexto_;
  int alineacion_ = 0;
  PuntoWmf actual_;
};

}  // namespace

std::optional<Metarchivo> LeeMetarchivo(std::span<const std::uint8_t> datos) {
  const Bytes b(datos);
  std::size_t p = 0;
  std::optional<VentanaWmf> marco;
  int unidades = 0;
  if (b.U32(0) == kClaveColocable) {
    const int izquierda = b.I16(6), arriba = b.I16(8), derecha = b.I16(10), abajo = b.I16(12);
    marco = VentanaWmf{izquierda, arriba, derecha - izquierda, abajo - arriba};
    unidades = b.U16(14);
    p = 22;
  }
  // The header: type 1 or 2, a size of nine words.
  if (p + 18 > b.Tamano() || (b.U16(p) != 1 && b.U16(p) != 2) || b.U16(p + 2) != 9) return std::nullopt;
  Reproductor reproductor(b, b.U16(p + 10));
  reproductor.m.marco = marco;
  reproductor.m.unidadesPulgada = unidades;
  p += 18;
  while (p + 6 <= b.Tamano()) {
    const std::uint64_t palabras = b.U32(p);
    const std::uint16_t funcion = b.U16(p + 4);
    if (palabras < 3 || funcion == registro::Fin) break;
    const std::size_t fin = static_cast<std::size_t>(std::min<std::uint64_t>(p + palabras * 2, b.Tamano()));
    reproductor.Registro(funcion, p + 6, fin);
    p = fin;
  }
  return std::move(reproductor.m);
}

}  // namespace varlek::guia
