#pragma once
// The command line of varlek-guion, the companion that writes a guide
// chapter as plain text, HTML or PDF.

#include <span>
#include <string>
#include <string_view>

#include "state/LineaOrdenes.h"

namespace varlek::guia {

enum class Formato { Texto, Html, Pdf };

struct OrdenGuion {
  bool ayuda = false;  // --help: show the help and convert nothing
  std::string entrada;
  std::string salida;                // empty: standard output
  Formato formato = Formato::Texto;  // from the output's extension, whatever its case
};

Lectura<OrdenGuion> LeeLineaGuion(std::span<const std::string_view> argumentos);

// The program's options and help, from which its line is read.
const Programa& ProgramaGuion();

}  // namespace varlek::guia
