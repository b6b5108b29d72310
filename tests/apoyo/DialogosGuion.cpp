#include "apoyo/DialogosGuion.h"

#include <gtest/gtest.h>

#include "apoyo/Referencia.h"

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
  const QStringList cortados = Recortados(ventana);
  if (!cortados.isEmpty())
    ADD_FAILURE() << ventana.objectName().toStdString() << ": rótulos cortados: " << cortados.join(", ").toStdString();
  if (!accionesModal.empty()) {
    const auto accion = std::move(accionesModal.front());
    accionesModal.pop_front();
    accion(ventana);
  }
  if (ventana.isVisible()) ventana.close();
}

}  // namespace varlek::prueba
