// The registers X, Y and Z of the main window: copy the screen spectrum in,
// bring it back, show it beside the screen's, save it.

#include "app/Graf.h"
#include "files/Aviso.h"
#include "files/Registros.h"
#include "ui/Dialogos.h"
#include "ui/Lienzo.h"
#include "ui/Paleta.h"

namespace varlek {

bool Graf::RangoDePantalla(char letra) {
  if (MismoRango(estado_, letra)) return true;
  Aviso ventana(estado_, this);
  dialogos_.MuestraModal(ventana);
  if (estado_.RespuestaAviso == 1) {
    ReemplazaPantalla(estado_, letra);
    Graf_Espectro_Paint();
    Form_Paint();
    // Drawn point by point in the plot's own pen, not by the curve rule.
    for (int i = 0; i <= 400; ++i) Graf_Espectro->Punto(i / 4.0, estado_.Espectro[i]);
  }
  return false;
}

void Graf::CopiaDesde(char letra) {
  if (!RangoDePantalla(letra)) return;
  estado_.Espectro = RegistroDe(estado_, letra).puntos;
  Muestra(letra);
}

void Graf::Muestra(char letra) {
  if (!RangoDePantalla(letra)) return;
  const Registro r = RegistroDe(estado_, letra);
  Graf_Espectro->FijaColorFrente(ui::Paleta(r.color));
  DibujaCurva(r.puntos);
  Graf_Espectro->FijaColorFrente(ui::Paleta(0));
}

void Graf::PideYSalvaRegistro(char letra) {
  if (PideFichero(true)) SalvaDatosEn(DatosDeRegistro(estado_, letra));
}

void Graf::CopiarEnX_Click() { CopiaEnRegistro(estado_, 'X'); }
void Graf::CopiarEnY_Click() { CopiaEnRegistro(estado_, 'Y'); }
void Graf::CopiarEnZ_Click() { CopiaEnRegistro(estado_, 'Z'); }
void Graf::CopiarDesdeX_Click() { CopiaDesde('X'); }
void Graf::CopiarDesdeY_Click() { CopiaDesde('Y'); }
void Graf::CopiarDesdeZ_Click() { CopiaDesde('Z'); }
void Graf::MostrarX_Click() { Muestra('X'); }
void Graf::MostrarY_Click() { Muestra('Y'); }
void Graf::MostrarZ_Click() { Muestra('Z'); }
void Graf::Salvar_RegistroX_Click() { PideYSalvaRegistro('X'); }
void Graf::Salvar_RegistroY_Click() { PideYSalvaRegistro('Y'); }
void Graf::Salvar_RegistroZ_Click() { PideYSalvaRegistro('Z'); }
void Graf::SalvaRegistroX() { SalvaDatosEn(DatosDeRegistro(estado_, 'X')); }
void Graf::SalvaRegistroY() { SalvaDatosEn(DatosDeRegistro(estado_, 'Y')); }
void Graf::SalvaRegistroZ() { SalvaDatosEn(DatosDeRegistro(estado_, 'Z')); }

}  // namespace varlek
