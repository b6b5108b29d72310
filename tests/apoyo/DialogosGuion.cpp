#include "apoyo/DialogosGuion.h"

namespace varlek::prueba {

std::optional<QString> DialogosGuion::Responde(bool salvar, const ui::OpcionesFichero& opciones) {
  ficherosPedidos.push_back({salvar, opciones});
  std::optional<QString> respuesta;
  if (!respuestasFichero.empty()) {
    respuesta.swap(respuestasFichero.front());
    respuestasFichero.pop_front();
  }
  return respuesta;
}

void DialogosGuion::MuestraModal(QDialog& ventana) {
  modalesVistos.push_back(ventana.objectName());
  ventana.show();
  if (!accionesModal.empty()) {
    const auto accion = std::move(accionesModal.front());
    accionesModal.pop_front();
    accion(ventana);
  }
  if (ventana.isVisible()) ventana.close();
}

}  // namespace varlek::prueba
