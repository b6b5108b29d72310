#include "apoyo/DialogosGuion.h"

namespace varlek::prueba {

std::optional<QString> DialogosGuion::Responde(bool salvar, const ui::OpcionesFichero& opciones) {
  ficherosPedidos.push_back({salvar, opciones});
  if (respuestasFichero.empty()) return std::nullopt;
  std::optional<QString> respuesta = std::move(respuestasFichero.front());
  respuestasFichero.pop_front();
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
