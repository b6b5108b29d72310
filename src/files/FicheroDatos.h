#pragma once
// Spectrum data files: 404 lines (CR LF), header value, start angle, end
// angle and the 401 points.

#include <string>
#include <string_view>

#include "state/Estado.h"

namespace varlek {

struct DatosEspectro {
  Valor cabecera;
  double minimo = 0;
  float maximo = 0;
  Espectro401 puntos;
};

// The bytes of a data file.
std::string TextoDatos(const DatosEspectro& datos);

// Reads the bytes of a data file. Throws ErrorVarlek 62 when fewer than
// 404 fields are present, 6 when a value lies beyond its range.
DatosEspectro LeeDatos(std::string_view bytes);

// Writes a data file. The file is written whole or not at all: the old file
// stays intact on any failure. Throws ErrorVarlek with the code of the
// failure (53, 76, 70, 61, 75…).
void SalvaDatos(const std::string& ruta, const DatosEspectro& datos);

// Reads a data file whole. Throws ErrorVarlek (53, 76, 62, 6…).
DatosEspectro CargaDatos(const std::string& ruta);

// The screen spectrum as file contents.
DatosEspectro DatosDePantalla(const Estado& e);

// A loaded file becomes the spectrum on screen. Its range becomes the scan
// range: when that changes the limits, the step and the angle follow (so the
// next "Lanzar" scans the new range); otherwise a stopped scan keeps its
// place. Returns whether the screen's range changed (the plot's axes must
// then be drawn again).
bool AplicaDatos(Estado& e, const DatosEspectro& datos);

}  // namespace varlek
