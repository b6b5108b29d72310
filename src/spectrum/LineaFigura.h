#pragma once
// The command line of varlek-figura, the teachers' companion that draws
// spectra as the main window draws its plot, or writes them as a table:
//   varlek-figura [--ppp N] [--marcas LISTA] -o SALIDA ESPECTRO...

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "state/LineaOrdenes.h"

namespace varlek {

enum class FormatoFigura { Svg, Png, Pdf, Csv };

struct OrdenFigura {
  bool ayuda = false;  // --help: show the help and draw nothing
  std::vector<std::string> espectros;
  std::string salida;
  FormatoFigura formato = FormatoFigura::Png;  // from the output's extension, whatever its case
  double ppp = 96;                             // dots per inch of a PNG
  std::string marcas;                          // the list of reflections marked; empty: none
};

Lectura<OrdenFigura> LeeLineaFigura(std::span<const std::string_view> argumentos);

// The program's options and help, from which its line is read.
const Programa& ProgramaFigura();

}  // namespace varlek
