// The data-file commands of the main window: "Salvar" and "Cargar".

#include "app/Graf.h"
#include "files/FicheroDatos.h"
#include "state/ErrorVarlek.h"
#include "ui/Dialogos.h"
#include "ui/Lienzo.h"
#include "ui/MuestraError.h"
#include "ui/SuperficieVentana.h"

namespace varlek {

std::optional<QString> Graf::PideFichero(bool salvar) {
  ui::OpcionesFichero opciones;
  opciones.titulo =
      salvar ? "Seleccionar directorio y escribir el nombre del fichero" : "Seleccionar el fichero de datos";
  opciones.filtro = "Todos los ficheros(*.*)|*.*|Ficheros de datos(*.ASC)|*.ASC";
  opciones.filtroInicial = 2;
  opciones.preguntaSobrescribir = salvar;
  auto nombre = salvar ? dialogos_.PideFicheroSalvar(this, opciones) : dialogos_.PideFicheroAbrir(this, opciones);
  if (nombre) estado_.NombreFichero = nombre->toStdString();
  return nombre;
}

void Graf::Menu_Fichero_Salvar_Click() {
  if (PideFichero(true)) SalvaFichero();
}

void Graf::Menu_Fichero_Cargar_Click() {
  if (PideFichero(false)) CargaFichero();
}

void Graf::SalvaDatosEn(const DatosEspectro& datos) {
  ui::GuardaPuntero ocupado(dialogos_, this);
  try {
    SalvaDatos(estado_.NombreFichero, datos);
  } catch (const ErrorVarlek& error) {
    ui::MuestraError(dialogos_, this, error.Codigo());
  }
}

void Graf::SalvaFichero() { SalvaDatosEn(DatosDePantalla(estado_)); }

void Graf::CargaFichero() {
  ui::GuardaPuntero ocupado(dialogos_, this);
  DatosEspectro datos;
  try {
    datos = CargaDatos(estado_.NombreFichero);
  } catch (const ErrorVarlek& error) {
    ui::MuestraError(dialogos_, this, error.Codigo());
    return;
  }
  if (AplicaDatos(estado_, datos)) {
    Graf_Espectro_Paint();
    Form_Paint();
  }
  DibujaCurva(estado_.Espectro);
}

}  // namespace varlek
