#pragma once
// A QApplication for the window tests (offscreen platform), and a fresh
// main window over a fresh state for each test.

#include <memory>

#include "apoyo/DialogosGuion.h"
#include "app/Graf.h"
#include "state/Estado.h"

namespace varlek::prueba {

// Creates the application once per test program.
void AseguraAplicacion();

// A base for fixtures whose members are widgets: the application exists
// before they are built.
struct ConAplicacion {
  ConAplicacion() { AseguraAplicacion(); }
};

struct Ventana {
  Ventana();
  ~Ventana();
  Estado estado;
  DialogosGuion dialogos;
  std::unique_ptr<Graf> graf;
  // Runs a menu item or a toolbar action by its object name.
  void Pulsa(const char* item);
};

}  // namespace varlek::prueba
