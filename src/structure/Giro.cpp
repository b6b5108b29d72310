#include "structure/Giro.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "state/Angulos.h"
#include "state/ErrorVarlek.h"
#include "ui/Controles.h"
#include "ui/MuestraError.h"

namespace varlek {

using ui::TwRect;

Giro::Giro(Estado& estado, ui::Dialogos& dialogos, QWidget* principal)
    : QDialog(principal), estado_(estado), dialogos_(dialogos) {
  // No title text: a single blank, since the toolkit shows the program's
  // name in place of an empty title.
  ui::PreparaDialogo(*this, "Giro", " ", 4755, 2145);
  const QFont comun = ui::FuenteComun();
  Label1 = ui::Etiqueta(this, "Label1", "Angulo de giro del cristal:", TwRect(480, 360, 2295, 375),
                        ui::Fuente("MS Sans Serif", 9.75), QColor(192, 0, 0));
  Text1 = ui::CajaTexto(this, "Text1", TwRect(3120, 330, 975, 285), comun);
  Command1 = ui::Boton(this, "Command1", "Aceptar", TwRect(480, 1320, 1455, 375), comun);
  Command2 = ui::Boton(this, "Command2", "Cancelar", TwRect(2640, 1320, 1455, 375), comun);
  connect(Command1, &QPushButton::clicked, this, &Giro::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Giro::Command2_Click);
  ui::ColocaDialogo(*this, *principal);
  Form_Load();
}

void Giro::Form_Load() { ui::MuestraTexto(*Text1, FormateaNumero(AGrados(estado_.GiroCristal))); }

void Giro::Command1_Click() {
  const double giro = ARadianes(ui::LeeCampo(*Text1));
  if (!std::isfinite(giro)) {
    ui::MuestraError(dialogos_, this, codigo::Desbordamiento);
    Text1->setFocus();
    Text1->selectAll();
    return;
  }
  estado_.GiroCristal = giro;
  accept();
}

void Giro::Command2_Click() { reject(); }

}  // namespace varlek
