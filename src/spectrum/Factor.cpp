#include "spectrum/Factor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "state/ErrorVarlek.h"
#include "ui/Controles.h"
#include "ui/MuestraError.h"

namespace varlek {

using ui::TwRect;

Factor::Factor(Estado& estado, ui::Dialogos& dialogos, QWidget* principal)
    : QDialog(principal), estado_(estado), dialogos_(dialogos) {
  ui::PreparaDialogo(*this, "Factor", QString(), 5295, 1650);
  const QFont comun = ui::FuenteComun();
  Label1 = ui::Etiqueta(this, "Label1", "Factor de escala:", TwRect(720, 360, 1815, 375),
                        ui::Fuente("MS Sans Serif", 9.75), ui::kRojoEtiqueta);
  Text_Factor = ui::CajaTexto(this, "Text_Factor", TwRect(3240, 360, 1215, 285), comun);
  Command1 = ui::Boton(this, "Command1", "Aceptar", TwRect(1800, 1080, 1695, 375), comun);
  connect(Command1, &QPushButton::clicked, this, &Factor::Command1_Click);
  // Placing itself is all its load does: the text box starts empty.
  ui::ColocaDialogo(*this, *principal);
}

void Factor::Command1_Click() {
  try {
    estado_.FactorEscala = AFloat(ui::LeeCampo(*Text_Factor));
  } catch (const ErrorVarlek& error) {
    ui::MuestraError(dialogos_, this, error.Codigo());
    Text_Factor->setFocus();
    Text_Factor->selectAll();
    return;
  }
  accept();
}

}  // namespace varlek
