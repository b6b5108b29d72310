#pragma once
// The command lines of the companions. Each program is described once, by a
// `Programa`: its summary, its options and file arguments with their Spanish
// descriptions, and its closing notes. That one description reads the line,
// writes --help, and is what a manual page is written from, so the three
// cannot disagree. Every companion ends with the same exit codes and the same
// messages.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace varlek {

class ErrorVarlek;

// How a companion ends.
inline constexpr int kSalidaBien = 0;
inline constexpr int kSalidaFichero = 1;  // a file could not be read or written, or the result computed
inline constexpr int kSalidaOrden = 2;    // the command line is wrong

struct Opcion {
  std::string_view nombre;       // as typed: "--lambda", "-o"
  std::string_view argumento;    // the value's name in the help ("L"); empty for an option without a value
  std::string_view descripcion;  // Spanish; a '\n' starts a continuation line
  bool obligatoria = false;
  bool repetible = false;  // may be given more than once
};

// A file named on the line after the options; every one must be given.
struct Argumento {
  std::string_view nombre;       // "ESTRUCTURA.cif"
  std::string_view descripcion;  // Spanish; a '\n' starts a continuation line
  bool repetible = false;        // the last one only: one or more
};

struct Programa {
  std::string_view nombre;           // "varlek-muestra"
  std::string_view resumen;          // one line, lower case, no full stop (a manual page's NAME)
  std::string_view descripcion;      // what it does: lines of at most 79 columns, no final line end
  std::span<const Opcion> opciones;  // -h and --help are every program's own
  std::span<const Argumento> argumentos;
  std::string_view notas = {};  // closing lines of the help, as `descripcion`
  bool codigosSalida = true;    // the help ends with kTextoSalida (not for the window program)
};

// The closing sentence of every help: what the exit codes mean.
inline constexpr std::string_view kTextoSalida =
    "Termina con 0 si todo va bien, 1 si no se puede leer o escribir un fichero\n"
    "o calcular el resultado, y 2 si la orden está mal escrita.\n";

// A companion's order read from its line, or the message that says what is
// wrong with the line.
template <class Orden>
struct Lectura {
  std::optional<Orden> orden;
  std::string error;
};

// A command line read against its program's table. Either `ayuda` (-h or
// --help anywhere before "--"), or `error` (the Spanish message that says
// what is wrong), or the options and files given.
struct LineaLeida {
  bool ayuda = false;
  std::string error;
  std::vector<std::pair<std::string_view, std::string_view>> opciones;  // name, value ("" without one), in order
  std::vector<std::string_view> argumentos;

  bool Tiene(std::string_view opcion) const;
  // The value of an option given once; empty when it is absent.
  std::string_view Valor(std::string_view opcion) const;
  std::vector<std::string_view> Valores(std::string_view opcion) const;
};

// Reads the arguments that follow the program's name. An option's value is
// the next argument and may not be empty; an option given twice must be
// repetible; "--" ends the options; "-" alone is a file name.
LineaLeida LeeLinea(const Programa& programa, std::span<const std::string_view> argumentos);

// The arguments after the program's name.
std::vector<std::string_view> ArgumentosDe(int argc, char** argv);

// The message of an option whose value cannot be used: `esperado` says what
// is expected, e.g. "se espera un número entre 0.1 y 10".
std::string ValorNoValido(std::string_view opcion, std::string_view valor, std::string_view esperado);

// The value of a numeric option: a finite decimal number with the point
// (LeeNumeroEstricto); otherwise false with the message in `error`.
bool LeeValorNumerico(std::string_view opcion, std::string_view valor, double& destino, std::string& error);

// Whether a file's name ends in `fin` (lower case: ".pdf"), whatever the
// name's case.
bool TerminaEn(std::string_view nombre, std::string_view fin);

// The text of --help: the summary, the usage line (wrapped at 79 columns),
// the description, the files and options with their descriptions, the
// notes and the exit codes.
std::string TextoAyuda(const Programa& programa);

// The ends of a companion: the help on standard output (code 0); a wrong line
// with the way to the help on standard error (code 2); a failure of a file
// or of the computation, "programa: mensaje", on standard error (code 1).
int MuestraAyuda(const Programa& programa);
int FallaOrden(const Programa& programa, std::string_view error);
int Falla(const Programa& programa, std::string_view mensaje);

// "el barrido no se pudo calcular: Desbordamiento (error 6)": what failed,
// and the error's description and code.
std::string MensajeError(std::string_view que, const ErrorVarlek& error);

// "no se pudo escribir "r.ASC": No se encontró la ruta de acceso (error 76)":
// the same with the file in quotes, or "en la salida estándar" for an empty name.
std::string MensajeFichero(std::string_view accion, std::string_view ruta, const ErrorVarlek& error);

}  // namespace varlek
