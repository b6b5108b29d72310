#pragma once
// Scripted dialogs for tests: records every message, answers file dialogs
// from a queue and runs a scripted action on each modal window, so a test
// can run a whole command without a person.

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

#include "ui/Dialogos.h"

namespace varlek::prueba {

struct MensajeVisto {
  QString titulo;
  QString texto;
};

struct FicheroPedido {
  bool salvar;
  ui::OpcionesFichero opciones;
};

class DialogosGuion : public ui::Dialogos {
 public:
  void Mensaje(QWidget*, const QString& titulo, const QString& texto) override {
    mensajes.push_back({titulo, texto});
    if (alMensaje) alMensaje(mensajes.back());
  }
  std::optional<QString> PideFicheroAbrir(QWidget*, const ui::OpcionesFichero& opciones) override {
    return Responde(false, opciones);
  }
  std::optional<QString> PideFicheroSalvar(QWidget*, const ui::OpcionesFichero& opciones) override {
    return Responde(true, opciones);
  }
  void MuestraModal(QDialog& ventana) override;
  void PunteroOcupado(QWidget*, bool ocupado) override {
    punteroOcupado += ocupado ? 1 : -1;
    vecesOcupado += ocupado;
  }

  // What was shown.
  std::vector<MensajeVisto> mensajes;
  std::vector<FicheroPedido> ficherosPedidos;
  std::vector<QString> modalesVistos;  // object names, in order
  int punteroOcupado = 0;              // busy pointers not yet restored
  int vecesOcupado = 0;

  // What to answer. A missing answer to a file dialog is a cancel; a modal
  // window without a scripted action is closed by its frame.
  std::deque<std::optional<QString>> respuestasFichero;
  std::deque<std::function<void(QDialog&)>> accionesModal;
  // Runs when each message is shown (to look at the state at that moment).
  std::function<void(const MensajeVisto&)> alMensaje;

 private:
  std::optional<QString> Responde(bool salvar, const ui::OpcionesFichero& opciones);
};

// A control of a window by its name; a missing one fails the test.
template <typename Control>
Control& Hijo(QWidget& ventana, const char* nombre) {
  auto* control = ventana.findChild<Control*>(nombre);
  if (control == nullptr) throw std::runtime_error(std::string("no hay ") + nombre);
  return *control;
}

// Helpers for scripted actions: the text of a line edit, a button's click.
inline void Escribe(QWidget& ventana, const char* nombre, const QString& texto) {
  Hijo<QLineEdit>(ventana, nombre).setText(texto);
}
inline QString Lee(QWidget& ventana, const char* nombre) { return Hijo<QLineEdit>(ventana, nombre).text(); }
inline void Pulsa(QWidget& ventana, const char* nombre) { Hijo<QPushButton>(ventana, nombre).click(); }

}  // namespace varlek::prueba
