#include "scan/Limites.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "scan/Barrido.h"
#include "state/ErrorVarlek.h"
#include "ui/Controles.h"
#include "ui/MuestraError.h"

namespace varlek {

using ui::TwRect;

Limites::Limites(Estado& estado, ui::Dialogos& dialogos, QWidget* principal)
    : QDialog(principal), estado_(estado), dialogos_(dialogos) {
  ui::PreparaDialogo(*this, "Limites", "LÍMITES DEL BARRIDO", 5745, 2850);
  const QFont comun = ui::FuenteComun();
  const QColor rojo = ui::kRojoEtiqueta;
  Label1 = ui::Etiqueta(this, "Label1", "Ángulo mínimo:", TwRect(1320, 600, 1455, 375), comun, rojo);
  Label2 = ui::Etiqueta(this, "Label2", "Ángulo máximo:", TwRect(1320, 1080, 1455, 375), comun, rojo);
  // Created in tab order: the start angle first.
  Text_DeltaMin = ui::CajaTexto(this, "Text_DeltaMin", TwRect(3480, 600, 855, 285), comun);
  Text_DeltaMax = ui::CajaTexto(this, "Text_DeltaMax", TwRect(3480, 1080, 855, 285), comun);
  Command1 = ui::Boton(this, "Command1", "Aceptar", TwRect(720, 1920, 1695, 375), comun);
  Command2 = ui::Boton(this, "Command2", "Cancelar", TwRect(3360, 1920, 1695, 375), comun);
  connect(Command1, &QPushButton::clicked, this, &Limites::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Limites::Command2_Click);
  ui::ColocaDialogo(*this, *principal);
  Form_Load();
}

void Limites::Form_Load() {
  Text_DeltaMax->setText(ui::TextoNumero(estado_.DeltaMax));
  Text_DeltaMin->setText(ui::TextoNumero(estado_.DeltaMin));
}

void Limites::Command1_Click() {
  const double deltaMax = ui::LeeCampo(*Text_DeltaMax);
  const double deltaMin = ui::LeeCampo(*Text_DeltaMin);
  try {
    // An end angle beyond the float range fails before anything is stored.
    FijaLimites(estado_, deltaMin, deltaMax);
  } catch (const ErrorVarlek& error) {
    ui::MuestraError(dialogos_, this, error.Codigo());
    Text_DeltaMax->setFocus();
    Text_DeltaMax->selectAll();
    return;
  }
  accept();
}

void Limites::Command2_Click() { reject(); }

}  // namespace varlek
