#include "apoyo/Entorno.h"

#include <gtest/gtest.h>

#include <QAction>

namespace varlek::prueba {

Ventana::Ventana() {
  AseguraAplicacion();
  graf = std::make_unique<Graf>(estado, dialogos);
  graf->Form_Load();
}

Ventana::~Ventana() = default;

void Ventana::Pulsa(const char* item) {
  auto* accion = graf->findChild<QAction*>(item);
  ASSERT_NE(accion, nullptr) << item;
  accion->trigger();
}

int Ventana::Pasos(int maximo) {
  int pasos = 0;
  for (; graf->Reloj.isActive() && pasos < maximo; ++pasos) graf->Reloj_Timer();
  return pasos;
}

void Ventana::FijaLimites(const char* minimo, const char* maximo) {
  dialogos.accionesModal.push_back([=](QDialog& d) {
    Escribe(d, "Text_DeltaMin", minimo);
    Escribe(d, "Text_DeltaMax", maximo);
    prueba::Pulsa(d, "Command1");
  });
  Pulsa("Barrido_Limites");
}

}  // namespace varlek::prueba
