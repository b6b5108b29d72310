#pragma once
// A fresh main window over a fresh state for each test.

#include <memory>
#include <utility>
#include <vector>

#include "apoyo/Aplicacion.h"
#include "apoyo/CristalDePrueba.h"
#include "apoyo/DialogosGuion.h"
#include "apoyo/Impresion.h"
#include "app/Graf.h"
#include "state/Estado.h"

namespace varlek::prueba {

struct Ventana {
  Ventana();
  ~Ventana();
  Estado estado;
  DialogosGuion dialogos;
  std::unique_ptr<Graf> graf;
  // Runs a menu item or a toolbar action by its object name.
  void Pulsa(const char* item);
  // Runs the timer's steps while the scan runs (at most `maximo`); returns how many ran.
  int Pasos(int maximo = 1000);
  // Runs `item`, whose dialog gets `campos` typed and `boton` pressed.
  void Responde(const char* item, std::vector<std::pair<const char*, const char*>> campos,
                const char* boton = "Command1");
  // "Límites" with the two angles typed and "Aceptar" pressed.
  void FijaLimites(const char* minimo, const char* maximo);
};

}  // namespace varlek::prueba
