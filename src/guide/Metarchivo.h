#pragma once
// Windows metafiles as formula editors write them: the records are played
// here into a list of drawings with every pen, brush, font and colour
// already resolved, so that drawing them needs no state of its own.
// Records outside that set are skipped; a broken file gives the drawings
// read before the fault.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "guide/ModeloRtf.h"

namespace varlek::guia {

struct PuntoWmf {
  int x = 0, y = 0;
  bool operator==(const PuntoWmf&) const = default;
};

// The logical window: origin and extent.
struct VentanaWmf {
  int x = 0, y = 0, ancho = 0, alto = 0;
  bool operator==(const VentanaWmf&) const = default;
};

struct LapizWmf {
  bool visible = true;
  int ancho = 0;  // logical units; 0 is one pixel
  ColorRgb color;
};

struct BrochaWmf {
  bool visible = true;
  ColorRgb color{255, 255, 255};
};

struct FuenteWmf {
  std::string cara;  // face name
  int alto = 0;      // logical units: negative the character height, positive the cell height
  int peso = 400;
  bool cursiva = false;
  int juego = 0;  // charset
};

enum class TipoDibujoWmf { Linea, Poligono, Rectangulo, Texto };

// Text alignment flags of the records.
namespace alineacionwmf {
inline constexpr int Derecha = 2, Centro = 6, Abajo = 8, Base = 24;
}

struct DibujoWmf {
  TipoDibujoWmf tipo = TipoDibujoWmf::Linea;
  VentanaWmf ventana;
  std::vector<PuntoWmf> puntos;  // a rectangle: two corners; text: its reference point
  LapizWmf lapiz;
  BrochaWmf brocha;
  FuenteWmf fuente;
  ColorRgb colorTexto;
  int alineacion = 0;
  std::string texto;  // UTF-8
};

struct Metarchivo {
  std::vector<DibujoWmf> dibujos;
  // The placeable header's frame and its logical units per inch, when present.
  std::optional<VentanaWmf> marco;
  int unidadesPulgada = 0;
  // The window last set.
  VentanaWmf ventana;
};

// Nothing when the bytes do not start like a metafile.
std::optional<Metarchivo> LeeMetarchivo(std::span<const std::uint8_t> bytes);

}  // namespace varlek::guia
