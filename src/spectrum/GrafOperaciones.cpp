// The spectrum operations of the main window: smooth, multiply, add
// register X.

#include "app/Graf.h"
#include "ui/MuestraError.h"
#include "spectrum/Factor.h"
#include "spectrum/OperacionesEspectro.h"
#include "state/ErrorVarlek.h"
#include "state/Numeros.h"
#include "ui/Dialogos.h"

namespace varlek {

void Graf::Menu_Suavizar_Click() {
  ui::GuardaPuntero ocupado(dialogos_, this);
  Suaviza(estado_.Espectro);
  Graf_Espectro_Paint();
  DibujaCurva(estado_.Espectro);
}

void Graf::Menu_Multiplicar_Click() {
  Factor ventana(estado_, this);
  dialogos_.MuestraModal(ventana);
  // Closing the dialog by its frame cancels: nothing is multiplied.
  if (ventana.result() != QDialog::Accepted) return;
  ui::GuardaPuntero ocupado(dialogos_, this);
  try {
    Multiplica(estado_.Espectro, AFloat(ventana.FactorLeido));
  } catch (const ErrorVarlek& error) {
    ui::MuestraError(dialogos_, this, error.Codigo());
    return;
  }
  DibujaCurva(estado_.Espectro);
}

void Graf::Grafica_Sumar_Click() {
  ui::GuardaPuntero ocupado(dialogos_, this);
  try {
    SumaRegistro(estado_.Espectro, estado_.RegistroX);
  } catch (const ErrorVarlek& error) {
    ui::MuestraError(dialogos_, this, error.Codigo());
    return;
  }
  DibujaCurva(estado_.Espectro);
}

}  // namespace varlek
