// The structure viewer and the crystal rotation of the main window. Both
// windows are modal; a running scan goes on stepping on its timer while they
// are open and uses a new rotation from its next step on.

#include "app/Graf.h"
#include "structure/Estructu.h"
#include "structure/Giro.h"
#include "ui/Dialogos.h"

namespace varlek {

void Graf::Cristal_Mostrar_Click() {
  Estructu ventana(estado_, dialogos_, this);
  dialogos_.MuestraModal(ventana);
}

void Graf::Cristal_Girar_Click() {
  Giro ventana(estado_, dialogos_, this);
  dialogos_.MuestraModal(ventana);
}

}  // namespace varlek
