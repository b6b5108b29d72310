#pragma once
// The registers X, Y and Z: each a spectrum of its own with its range and
// header, copied from and to the screen's.

#include "files/FicheroDatos.h"
#include "state/Estado.h"

namespace varlek {

// A register's parts in the shared state, and its palette colour on the plot.
struct Registro {
  Espectro401& puntos;
  Valor& cabecera;
  double& minimo;
  float& maximo;
  int color;
};

// Register 'X', 'Y' or 'Z'.
Registro RegistroDe(Estado& e, char letra);

// "Copiar en": the screen's spectrum, range and header into the register.
void CopiaEnRegistro(Estado& e, char letra);

// Whether the register covers the very range of the screen.
bool MismoRango(Estado& e, char letra);

// The register with another range replaces the screen: its range first,
// then its points. (The header stays the screen's.)
void ReemplazaPantalla(Estado& e, char letra);

// A register as the contents of a data file.
DatosEspectro DatosDeRegistro(Estado& e, char letra);

}  // namespace varlek
