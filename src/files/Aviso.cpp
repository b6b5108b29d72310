#include "files/Aviso.h"

#include <QLabel>
#include <QPushButton>

#include "ui/Controles.h"

namespace varlek {

using ui::TwRect;

Aviso::Aviso(Estado& estado, QWidget* principal) : QDialog(principal), estado_(estado) {
  ui::PreparaDialogo(*this, "Aviso", "AVISO", 6150, 2145);
  const QFont comun = ui::FuenteComun();
  Label1 = ui::Etiqueta(this, "Label1",
                        "El rango espectral del registro no coincide con el de la pantalla. Al mostrar el registro "
                        "se borrará el espectro en pantalla y se perderá la información.",
                        TwRect(480, 240, 5535, 735), ui::Fuente("MS Sans Serif", 9.75), ui::kRojoEtiqueta);
  Command1 = ui::Boton(this, "Command1", "Aceptar", TwRect(1320, 1200, 1455, 375), comun);
  Command2 = ui::Boton(this, "Command2", "Cancelar", TwRect(3480, 1200, 1335, 375), comun);
  connect(Command1, &QPushButton::clicked, this, &Aviso::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Aviso::Command2_Click);
  ui::ColocaDialogo(*this, *principal);
}

void Aviso::Command1_Click() {
  estado_.RespuestaAviso = 1;
  accept();
}

void Aviso::Command2_Click() {
  estado_.RespuestaAviso = 0;
  QDialog::reject();
}

void Aviso::reject() { Command2_Click(); }

}  // namespace varlek
