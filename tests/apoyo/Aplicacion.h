#pragma once
// A QApplication for the tests of windows and drawing surfaces (offscreen
// platform), created once per test program.

namespace varlek::prueba {

void AseguraAplicacion();

// A base for fixtures whose members are widgets: the application exists
// before they are built.
struct ConAplicacion {
  ConAplicacion() { AseguraAplicacion(); }
};

}  // namespace varlek::prueba
