#pragma once
// The command line of the program itself. The window reads no option: only
// --help (or -h) and --version print and end without opening it; any other
// argument is left alone, as it always was.

#include <span>
#include <string>
#include <string_view>

#include "state/LineaOrdenes.h"

namespace varlek {

// The program's description, from which --help and its manual page come.
const Programa& ProgramaVarlek();

// "varlek 1.0" and the licence, as --version prints them.
std::string TextoVersion();

enum class PeticionLinea { Ventana, Ayuda, Version };

// What the arguments after the program's name ask for: the first of
// -h/--help and --version decides; without either, the window.
PeticionLinea LeePeticion(std::span<const std::string_view> argumentos);

}  // namespace varlek
