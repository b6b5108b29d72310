#pragma once
// A fresh state after the start-up defaults, scripted message boxes, and a
// plain main window of a known size for each dialog test.

#include <gtest/gtest.h>

#include <QWidget>

#include "apoyo/Aplicacion.h"
#include "apoyo/DialogosGuion.h"
#include "state/Estado.h"

namespace varlek::prueba {

struct PruebaDialogo : ConAplicacion, ::testing::Test {
  PruebaDialogo() {
    AsignaValoresIniciales(estado);
    principal.resize(1000, 800);
  }

  Estado estado;
  DialogosGuion dialogos;
  QWidget principal;
};

}  // namespace varlek::prueba
