#pragma once
#include "ui/Dialogos.h"

namespace varlek::ui {

class DialogosQt : public Dialogos {
 public:
  void Mensaje(QWidget* dueno, const QString& titulo, const QString& texto) override;
  std::optional<QString> PideFicheroAbrir(QWidget* dueno, const OpcionesFichero& opciones) override;
  std::optional<QString> PideFicheroSalvar(QWidget* dueno, const OpcionesFichero& opciones) override;
  void MuestraModal(QDialog& ventana) override;
  void PunteroOcupado(QWidget* ventana, bool ocupado) override;
};

}  // namespace varlek::ui
