#include "scan/Lambda.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/Controles.h"

namespace varlek {

using ui::TwRect;

Lambda::Lambda(Estado& estado, QWidget* principal) : QDialog(principal), estado_(estado) {
  ui::PreparaDialogo(*this, "Lambda", QString(), 5400, 1935);
  const QFont arial = ui::Fuente("Arial", 8.25);
  Label1 = ui::Etiqueta(this, "Label1", "Longitud de onda de los rayos X:", TwRect(360, 360, 3015, 255),
                        ui::FuenteComun(), ui::kRojoEtiqueta);
  Text1 = ui::CajaTexto(this, "Text1", TwRect(3600, 240, 1335, 375), arial);
  Command1 = ui::Boton(this, "Command1", "Aceptar", TwRect(600, 1080, 1455, 495), arial);
  Command2 = ui::Boton(this, "Command2", "Cancelar", TwRect(3240, 1080, 1455, 495), arial);
  connect(Command1, &QPushButton::clicked, this, &Lambda::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Lambda::Command2_Click);
  ui::ColocaDialogo(*this, *principal);
  Form_Load();
}

void Lambda::Form_Load() { Text1->setText(ui::TextoNumero(estado_.LambdaX)); }

void Lambda::Command1_Click() {
  estado_.LambdaX = ui::LeeCampo(*Text1);
  accept();
}

void Lambda::Command2_Click() { reject(); }

}  // namespace varlek
