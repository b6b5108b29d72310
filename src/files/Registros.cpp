#include "files/Registros.h"

namespace varlek {

Registro RegistroDe(Estado& e, char letra) {
  switch (letra) {
    case 'X':
      return {e.RegistroX, e.RegistroXCabecera, e.RegistroXMin, e.RegistroXMax, 12};
    case 'Y':
      return {e.RegistroY, e.RegistroYCabecera, e.RegistroYMin, e.RegistroYMax, 2};
    default:
      return {e.RegistroZ, e.RegistroZCabecera, e.RegistroZMin, e.RegistroZMax, 9};
  }
}

void CopiaEnRegistro(Estado& e, char letra) {
  Registro r = RegistroDe(e, letra);
  r.cabecera = e.EspectroCabecera;
  r.minimo = e.EspectroMin;
  r.maximo = e.EspectroMax;
  r.puntos = e.Espectro;
}

bool MismoRango(Estado& e, char letra) {
  const Registro r = RegistroDe(e, letra);
  return r.minimo == e.EspectroMin && r.maximo == e.EspectroMax;
}

void ReemplazaPantalla(Estado& e, char letra) {
  const Registro r = RegistroDe(e, letra);
  e.EspectroMin = r.minimo;
  e.EspectroMax = r.maximo;
  e.Espectro = r.puntos;
}

DatosEspectro DatosDeRegistro(Estado& e, char letra) {
  const Registro r = RegistroDe(e, letra);
  return DatosEspectro{r.cabecera, r.minimo, r.maximo, r.puntos};
}

}  // namespace varlek
