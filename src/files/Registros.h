#pragma once
// The registers X, Y and Z: each a spectrum of its own with its range and
// header, copied from and to the screen's.

#include "files/FicheroDatos.h"
#include "state/Estado.h"

namespace varlek {

enum class LetraRegistro { X, Y, Z };

// A register's parts in the shared state, and its palette colour on the plot.
struct Registro {
  Espectro401& puntos;
  Valor& cabecera;
  double& minimo;
  float& maximo;
  int color;
};

// The palette colour in which a register is drawn.
int ColorRegistro(LetraRegistro letra);

Registro RegistroDe(Estado& e, LetraRegistro letra);

// "Copiar en": the screen's spectrum, range and header into the register.
void CopiaEnRegistro(Estado& e, LetraRegistro letra);

// Whether the register covers the very range of the screen.
bool MismoRango(Estado& e, LetraRegistro letra);

// The register with another range replaces the screen: its range first,
// then its points. (The header stays the screen's.)
void ReemplazaPantalla(Estado& e, LetraRegistro letra);

// A register as the contents of a data file.
DatosEspectro DatosDeRegistro(Estado& e, LetraRegistro letra);

}  // namespace varlek
