#pragma once
// Scripted dialogs for tests: records every message, answers file dialogs
// from a queue and runs a scripted action on each modal window, so a test
// can run a whole command without a person.

#include <QDialog>
#include <QString>
#include <deque>
#include <functional>
#include <optional>
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
  void Mensaje(QWidget* dueno, const QString& titulo, const QString& texto) override;
  std::optional<QString> PideFicheroAbrir(QWidget* dueno, const ui::OpcionesFichero& opciones) override;
  std::optional<QString> PideFicheroSalvar(QWidget* dueno, const ui::OpcionesFichero& opciones) override;
  void MuestraModal(QDialog& ventana) override;
  void PunteroOcupado(QWidget* ventana, bool ocupado) override;

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
};

// Helpers for scripted actions: the text of a line edit, a button's click.
void Escribe(QDialog& ventana, const char* nombre, const QString& texto);
QString Lee(QDialog& ventana, const char* nombre);
void Pulsa(QDialog& ventana, const char* nombre);

}  // namespace varlek::prueba
