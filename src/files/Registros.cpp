#include "files/Registros.h"

#include <cstdlib>

namespace varlek {

int ColorRegistro(LetraRegistro letra) {
  switch (letra) {
    case LetraRegistro::X:
      return 12;
    case LetraRegistro::Y:
      return 2;
    case LetraRegistro::Z:
      return 9;
  }
  std::abort();  // a value cast from outside X, Y, Z
}

Registro RegistroDe(Estado& e, LetraRegistro letra) {
  switch (letra) {
    case LetraRegistro::X:
      return {e.RegistroX, e.RegistroXCabecera, e.RegistroXMin, e.RegistroXMax, ColorRegistro(letra)};
    case LetraRegistro::Y:
      return {e.RegistroY, e.RegistroYCabecera, e.RegistroYMin, e.RegistroYMax, ColorRegistro(letra)};
    case LetraRegistro::Z:
      return {e.RegistroZ, e.RegistroZCabecera, e.RegistroZMin, e.RegistroZMax, ColorRegistro(letra)};
  }
  std::abort();  // a value cast from outside X, Y, Z
}

void CopiaEnRegistro(Estado& e, LetraRegistro letra) {
  Registro r = RegistroDe(e, letra);
  r.cabecera = e.EspectroCabecera;
  r.minimo = e.EspectroMin;
  r.maximo = e.EspectroMax;
  r.puntos = e.Espectro;
}

bool MismoRango(Estado& e, LetraRegistro letra) {
  const Registro r = RegistroDe(e, letra);
  return r.minimo == e.EspectroMin && r.maximo == e.EspectroMax;
}

void ReemplazaPantalla(Estado& e, LetraRegistro letra) {
  const Registro r = RegistroDe(e, letra);
  e.EspectroMin = r.minimo;
  e.EspectroMax = r.maximo;
  e.Espectro = r.puntos;
}

DatosEspectro DatosDeRegistro(Estado& e, LetraRegistro letra) {
  const Registro r = RegistroDe(e, letra);
  return DatosEspectro{r.cabecera, r.minimo, r.maximo, r.puntos};
}

}  // namespace varlek
