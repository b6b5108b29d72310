#pragma once
// The document a rich-text chapter holds once read: blocks that are either
// paragraphs or tables, paragraphs made of runs of text or pictures, each
// with the format it was written with. Lengths are in twips.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace varlek::guia {

struct ColorRgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const ColorRgb&) const = default;
};

struct FormatoCaracter {
  std::string fuente;    // family name from the font table, empty when none
  int medioPuntos = 24;  // \fs: size in half-points
  bool negrita = false;
  bool cursiva = false;
  bool subrayado = false;
  bool superindice = false;
  bool subindice = false;
  int desplazamiento = 0;  // \up (positive) and \dn (negative), half-points
  std::optional<ColorRgb> color;
  bool operator==(const FormatoCaracter&) const = default;
};

enum class Alineacion { Izquierda, Centro, Derecha, Justificada };

enum class TipoTab { Izquierda, Centro, Derecha, Decimal };
struct Tabulador {
  int posicion = 0;
  TipoTab tipo = TipoTab::Izquierda;
  bool operator==(const Tabulador&) const = default;
};

struct FormatoParrafo {
  int sangriaIzquierda = 0;  // \li
  int sangriaDerecha = 0;    // \ri
  int primeraLinea = 0;      // \fi, relative to the left indent
  int espacioAntes = 0;      // \sb
  int espacioDespues = 0;    // \sa
  int interlineado = 0;      // \sl: 0 automatic, >0 at least, <0 exactly
  Alineacion alineacion = Alineacion::Izquierda;
  std::vector<Tabulador> tabuladores;
  bool conSiguiente = false;  // \keepn: printed on the page of the next paragraph
  bool operator==(const FormatoParrafo&) const = default;
};

enum class TipoImagen { Png, Jpeg, Wmf, Emf, Otra };

struct Imagen {
  TipoImagen tipo = TipoImagen::Otra;
  std::vector<std::uint8_t> datos;  // the picture's bytes as stored
  int anchoTw = 0;                  // the size it is shown at, scaling applied
  int altoTw = 0;
};

// A piece of a paragraph: text in one format, or a picture.
struct Tramo {
  FormatoCaracter formato;
  std::string texto;  // UTF-8; "\t" a tab, U+2028 a line break
  std::optional<Imagen> imagen;
};

struct Parrafo {
  FormatoParrafo formato;
  std::vector<Tramo> tramos;
  bool saltoPaginaAntes = false;
  // The paragraph's text without pictures.
  std::string Texto() const;
};

struct Celda {
  std::vector<Parrafo> parrafos;
};

struct Fila {
  std::vector<int> bordesDerechos;                // \cellx of each cell, from the row's left edge
  Alineacion alineacion = Alineacion::Izquierda;  // the row on the page: \trql, \trqc, \trqr
  bool cabecera = false;                          // \trhdr: repeated at the top of each page
  std::vector<Celda> celdas;
};

// A table of the text (named apart from the program's indexed `varlek::Tabla`).
struct Cuadro {
  std::vector<Fila> filas;
};

using Bloque = std::variant<Parrafo, Cuadro>;

struct Documento {
  std::vector<Bloque> bloques;
};

// Plain text: one paragraph a line, a table row a line with its cells
// separated by tabs (the paragraphs inside one cell joined by blanks).
std::string TextoPlano(const Documento& documento);

}  // namespace varlek::guia
