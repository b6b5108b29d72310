// The registers X, Y and Z of the main window: copy the screen spectrum in,
// bring it back, show it beside the screen's, save it.

#include "app/Graf.h"
#include "files/Aviso.h"
#include "files/Registros.h"
#include "ui/Dialogos.h"
#include "ui/GraficaEspectro.h"
#include "ui/Lienzo.h"
#include "ui/Paleta.h"

namespace varlek {

void Graf::AvisaYReemplaza(LetraRegistro letra) {
  Aviso ventana(estado_, this);
  dialogos_.MuestraModal(ventana);
  if (estado_.RespuestaAviso != 1) return;
  ReemplazaPantalla(estado_, letra);
  Graf_Espectro_Paint();
  Form_Paint();
  // Drawn point by point in the plot's own pen, not by the curve rule.
  ui::GraficaVentana destino(*Graf_Espectro, *Superficie);
  ui::DibujaPuntos(destino, estado_.Espectro);
}

void Graf::CopiaDesde(LetraRegistro letra) {
  if (!MismoRango(estado_, letra)) {
    AvisaYReemplaza(letra);
    return;
  }
  estado_.Espectro = RegistroDe(estado_, letra).puntos;
  Muestra(letra);
}

void Graf::Muestra(LetraRegistro letra) {
  if (!MismoRango(estado_, letra)) {
    AvisaYReemplaza(letra);
    return;
  }
  const Registro r = RegistroDe(estado_, letra);
  ui::PlumaTemporal color(*Graf_Espectro, ui::Paleta(r.color));
  DibujaCurva(r.puntos);
}

void Graf::CopiarEnX_Click() { CopiaEnRegistro(estado_, LetraRegistro::X); }
void Graf::CopiarEnY_Click() { CopiaEnRegistro(estado_, LetraRegistro::Y); }
void Graf::CopiarEnZ_Click() { CopiaEnRegistro(estado_, LetraRegistro::Z); }
void Graf::CopiarDesdeX_Click() { CopiaDesde(LetraRegistro::X); }
void Graf::CopiarDesdeY_Click() { CopiaDesde(LetraRegistro::Y); }
void Graf::CopiarDesdeZ_Click() { CopiaDesde(LetraRegistro::Z); }
void Graf::MostrarX_Click() { Muestra(LetraRegistro::X); }
void Graf::MostrarY_Click() { Muestra(LetraRegistro::Y); }
void Graf::MostrarZ_Click() { Muestra(LetraRegistro::Z); }
void Graf::Salvar_RegistroX_Click() {
  if (PideFichero(true)) SalvaRegistroX();
}
void Graf::Salvar_RegistroY_Click() {
  if (PideFichero(true)) SalvaRegistroY();
}
void Graf::Salvar_RegistroZ_Click() {
  if (PideFichero(true)) SalvaRegistroZ();
}
void Graf::SalvaRegistroX() { SalvaDatosEn(DatosDeRegistro(estado_, LetraRegistro::X)); }
void Graf::SalvaRegistroY() { SalvaDatosEn(DatosDeRegistro(estado_, LetraRegistro::Y)); }
void Graf::SalvaRegistroZ() { SalvaDatosEn(DatosDeRegistro(estado_, LetraRegistro::Z)); }

}  // namespace varlek
