#pragma once
// The command line of varlek-muestra, the teachers' companion that makes a
// powder sample file from a crystal structure in a CIF file.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "state/LineaOrdenes.h"

namespace varlek {

struct OrdenMuestra {
  bool ayuda = false;  // --help: show the help and compute nothing
  std::string cif;     // the structure read
  std::string salida;  // the sample file written
  double lambda = 1.5418;
  std::optional<std::uint32_t> semilla;  // counting noise from this seed
  bool lineas = false;                   // list the lines on standard output
};

Lectura<OrdenMuestra> LeeLineaMuestra(std::span<const std::string_view> argumentos);

// The program's options and help, from which its line is read.
const Programa& ProgramaMuestra();

}  // namespace varlek
