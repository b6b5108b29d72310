// The registers X, Y and Z of the main window: copy the screen spectrum in,
// bring it back, show it beside the screen's, save it.

#include "app/Graf.h"
#include "files/Aviso.h"
#include "files/FicheroDatos.h"
#include "ui/Dialogos.h"
#include "ui/Lienzo.h"
#include "ui/Paleta.h"

namespace varlek {

Graf::Registro Graf::RegistroDe(char letra) {
  Estado& e = estado_;
  switch (letra) {
    case 'X':
      return {e.RegistroX, e.RegistroXCabecera, e.RegistroXMin, e.RegistroXMax, 12};
    case 'Y':
      return {e.RegistroY, e.RegistroYCabecera, e.RegistroYMin, e.RegistroYMax, 2};
    default:
      return {e.RegistroZ, e.RegistroZCabecera, e.RegistroZMin, e.RegistroZMax, 9};
  }
}

bool Graf::MismoRango(const Registro& r) const {
  return r.minimo == estado_.EspectroMin && r.maximo == estado_.EspectroMax;
}

bool Graf::AceptaAviso() {
  Aviso ventana(estado_, this);
  dialogos_.MuestraModal(ventana);
  return estado_.RespuestaAviso == 1;
}

void Graf::ReemplazaPantalla(const Registro& r) {
  Estado& e = estado_;
  e.EspectroMin = r.minimo;
  e.EspectroMax = r.maximo;
  Graf_Espectro_Paint();
  Form_Paint();
  e.Espectro = r.puntos;
  for (int i = 0; i <= 400; ++i) Graf_Espectro->Punto(i / 4.0, e.Espectro[i]);
}

void Graf::CopiaEn(char letra) {
  Registro r = RegistroDe(letra);
  r.cabecera = estado_.EspectroCabecera;
  r.minimo = estado_.EspectroMin;
  r.maximo = estado_.EspectroMax;
  r.puntos = estado_.Espectro;
}

void Graf::CopiaDesde(char letra) {
  const Registro r = RegistroDe(letra);
  if (!MismoRango(r)) {
    if (AceptaAviso()) ReemplazaPantalla(r);
    return;
  }
  estado_.Espectro = r.puntos;
  Muestra(letra);
}

void Graf::Muestra(char letra) {
  const Registro r = RegistroDe(letra);
  if (!MismoRango(r)) {
    if (AceptaAviso()) ReemplazaPantalla(r);
    return;
  }
  Graf_Espectro->FijaColorFrente(ui::Paleta(r.color));
  DibujaCurva(r.puntos);
  Graf_Espectro->FijaColorFrente(ui::Paleta(0));
}

void Graf::SalvaRegistro(char letra) {
  const Registro r = RegistroDe(letra);
  SalvaDatosEn(DatosEspectro{r.cabecera, r.minimo, r.maximo, r.puntos});
}

void Graf::PideYSalvaRegistro(char letra) {
  if (PideFichero(true)) SalvaRegistro(letra);
}

void Graf::CopiarEnX_Click() { CopiaEn('X'); }
void Graf::CopiarEnY_Click() { CopiaEn('Y'); }
void Graf::CopiarEnZ_Click() { CopiaEn('Z'); }
void Graf::CopiarDesdeX_Click() { CopiaDesde('X'); }
void Graf::CopiarDesdeY_Click() { CopiaDesde('Y'); }
void Graf::CopiarDesdeZ_Click() { CopiaDesde('Z'); }
void Graf::MostrarX_Click() { Muestra('X'); }
void Graf::MostrarY_Click() { Muestra('Y'); }
void Graf::MostrarZ_Click() { Muestra('Z'); }
void Graf::Salvar_RegistroX_Click() { PideYSalvaRegistro('X'); }
void Graf::Salvar_RegistroY_Click() { PideYSalvaRegistro('Y'); }
void Graf::Salvar_RegistroZ_Click() { PideYSalvaRegistro('Z'); }
void Graf::SalvaRegistroX() { SalvaRegistro('X'); }
void Graf::SalvaRegistroY() { SalvaRegistro('Y'); }
void Graf::SalvaRegistroZ() { SalvaRegistro('Z'); }

}  // namespace varlek
