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

void Ventana::Responde(const char* item, std::vector<std::pair<const char*, const char*>> campos, const char* boton) {
  dialogos.accionesModal.push_back([=](QDialog& d) {
    for (const auto& [campo, texto] : campos) Escribe(d, campo, texto);
    prueba::Pulsa(d, boton);
  });
  Pulsa(item);
}

void Ventana::FijaLimites(const char* minimo, const char* maximo) {
  Responde("Barrido_Limites", {{"Text_DeltaMin", minimo}, {"Text_DeltaMax", maximo}});
}

}  // namespace varlek::prueba
