// Scan control of the main window: the reset, launch and stop commands and
// the scan step.

#include "app/Graf.h"

namespace varlek {

void Graf::IniciaBarrido() {
  AsignaValoresIniciales(estado_);
  Graf_Espectro_Paint();
  Esquema_Paint();
  Form_Paint();
}

}  // namespace varlek
