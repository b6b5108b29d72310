#pragma once
// What the measurements of the main window share: the tests' offscreen
// application and scripted dialogs, which answer at once when nothing is
// scripted, so steps and scans run unattended.

#include "apoyo/Aplicacion.h"
#include "apoyo/DialogosGuion.h"
#include "app/Graf.h"
#include "state/Estado.h"

namespace varlek {

// A started main window over its own state, as the program opens it.
struct VentanaDeBanco {
  VentanaDeBanco() { graf.Form_Load(); }
  prueba::ConAplicacion aplicacion;
  Estado e;
  prueba::DialogosGuion dialogos;
  Graf graf{e, dialogos};
};

}  // namespace varlek
