#pragma once
// The command line of varlek-barrido, the teachers' companion that computes
// the diffractogram of a crystal through the same scan as the window:
//   varlek-barrido --a A --b B --angulo GRADOS [--atomo X,Y,F]... [--lambda L]
//                  [--min GRADOS] [--max GRADOS] [--giro GRADOS] [--reflexiones]
//                  [-o FICHERO]

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "state/Estado.h"
#include "state/LineaOrdenes.h"

namespace varlek {

struct AtomoLinea {
  double x = 0;
  double y = 0;
  float f = 1;
};

// What the command line asks for. Angles are in degrees, as typed.
struct OrdenBarrido {
  bool ayuda = false;  // --help: show the help and compute nothing
  double a = 0;
  double b = 0;
  double angulo = 0;
  int numAtomos = 1;
  std::array<AtomoLinea, 4> atomos{};
  double lambda = 1.5418;
  double minimo = 5;
  double maximo = 105;
  double giro = 0;
  bool reflexiones = false;  // the list of reflections instead of the diffractogram
  std::string fichero;       // empty: standard output
};

// Reads the arguments that follow the program's name.
Lectura<OrdenBarrido> LeeLineaBarrido(std::span<const std::string_view> argumentos);

// The program's options and help, from which its line is read.
const Programa& ProgramaBarrido();

// The state of the scan the order asks for: the reset state, the crystal,
// the wavelength, the rotation and the limits, with the angle at the start.
void PreparaEstado(Estado& e, const OrdenBarrido& orden);

}  // namespace varlek
