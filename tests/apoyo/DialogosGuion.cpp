#include "apoyo/DialogosGuion.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

namespace varlek::prueba {

void DialogosGuion::Mensaje(QWidget*, const QString& titulo, const QString& texto) {
  mensajes.push_back({titulo, texto});
  if (alMensaje) alMensaje(mensajes.back());
}

namespace {
std::optional<QString> Siguiente(std::deque<std::optional<QString>>& cola) {
  std::optional<QString> respuesta;
  if (!cola.empty()) {
    respuesta.swap(cola.front());
    cola.pop_front();
  }
  return respuesta;
}
}  // namespace

std::optional<QString> DialogosGuion::PideFicheroAbrir(QWidget*, const ui::OpcionesFichero& opciones) {
  ficherosPedidos.push_back({false, opciones});
  return Siguiente(respuestasFichero);
}

std::optional<QString> DialogosGuion::PideFicheroSalvar(QWidget*, const ui::OpcionesFichero& opciones) {
  ficherosPedidos.push_back({true, opciones});
  return Siguiente(respuestasFichero);
}

void DialogosGuion::MuestraModal(QDialog& ventana) {
  modalesVistos.push_back(ventana.objectName());
  ventana.show();
  if (!accionesModal.empty()) {
    auto accion = accionesModal.front();
    accionesModal.pop_front();
    accion(ventana);
  }
  if (ventana.isVisible()) ventana.close();
}

void DialogosGuion::PunteroOcupado(QWidget*, bool ocupado) {
  punteroOcupado += ocupado ? 1 : -1;
  if (ocupado) ++vecesOcupado;
}

void Escribe(QDialog& ventana, const char* nombre, const QString& texto) {
  auto* campo = ventana.findChild<QLineEdit*>(nombre);
  ASSERT_NE(campo, nullptr) << nombre;
  campo->setText(texto);
}

QString Lee(QDialog& ventana, const char* nombre) {
  auto* campo = ventana.findChild<QLineEdit*>(nombre);
  EXPECT_NE(campo, nullptr) << nombre;
  return campo != nullptr ? campo->text() : QString();
}

void Pulsa(QDialog& ventana, const char* nombre) {
  auto* boton = ventana.findChild<QPushButton*>(nombre);
  ASSERT_NE(boton, nullptr) << nombre;
  boton->click();
}

}  // namespace varlek::prueba
