#include "guide/ModeloRtf.h"

#include <string_view>

namespace varlek::guia {

std::string Parrafo::Texto() const {
  std::string texto;
  for (const Tramo& t : tramos) texto += t.texto;
  return texto;
}

namespace {
// A line break inside a paragraph stays inside its line of plain text.
std::string EnUnaLinea(const std::string& texto) {
  constexpr std::string_view kSeparador = "\u2028";
  std::string linea;
  for (std::size_t p = 0; p < texto.size();) {
    if (std::string_view(texto).substr(p, kSeparador.size()) == kSeparador) {
      linea += ' ';
      p += kSeparador.size();
    } else {
      linea += texto[p++];
    }
  }
  return linea;
}
}  // namespace

std::string TextoPlano(const Documento& documento) {
  std::string salida;
  for (const Bloque& bloque : documento.bloques) {
    if (const auto* parrafo = std::get_if<Parrafo>(&bloque)) {
      salida += EnUnaLinea(parrafo->Texto()) + "\n";
      continue;
    }
    for (const Fila& fila : std::get<Cuadro>(bloque).filas) {
      std::string linea;
      for (std::size_t c = 0; c < fila.celdas.size(); ++c) {
        if (c > 0) linea += "\t";
        const auto& parrafos = fila.celdas[c].parrafos;
        for (std::size_t p = 0; p < parrafos.size(); ++p) {
          if (p > 0) linea += " ";
          linea += EnUnaLinea(parrafos[p].Texto());
        }
      }
      salida += linea + "\n";
    }
  }
  return salida;
}

}  // namespace varlek::guia
