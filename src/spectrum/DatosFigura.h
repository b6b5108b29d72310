#pragma once
// What varlek-figura reads and writes besides its pictures: spectra from data
// and sample files, a table of them as CSV, and the marks of reflections from
// the lists of varlek-barrido --reflexiones and varlek-muestra --lineas.

#include <string>
#include <string_view>
#include <vector>

#include "state/Estado.h"

namespace varlek {

struct EspectroFigura {
  std::string nombre;  // the file's name without its folder
  double minimo = 0;
  float maximo = 0;
  Espectro401 puntos;
};

// A data file, or a sample file when the name ends in ".bin" (in any case).
// A sample runs from its start angle to 105°, where the program shows it
// after start-up. Throws ErrorVarlek.
EspectroFigura LeeEspectro(const std::string& ruta);

// "el rango de "b.ASC" (5° a 50°) no es el de "a.ASC" (5° a 105°)" for the
// first spectrum whose range differs from the first one's; empty when all
// share it.
std::string RangoDistinto(const std::vector<EspectroFigura>& espectros);

// A table for spreadsheets: a header line, then for each of the 401 points
// its angle (as the cursor readout computes it) and the intensity of each
// spectrum, separated by commas, lines ended by CR LF.
std::string TextoCsv(const std::vector<EspectroFigura>& espectros);

struct Marca {
  double dosTheta = 0;  // degrees
  std::string texto;    // "(0,1)", "(111)"
};

// The reflections of a list: each line whose words are indices, then d and
// 2θ written with a decimal point (and whatever follows). Other lines (titles,
// column names) are skipped.
std::vector<Marca> LeeMarcas(std::string_view lista);

}  // namespace varlek
