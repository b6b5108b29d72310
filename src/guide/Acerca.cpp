#include "guide/Acerca.h"

#include <QLabel>
#include <QPushButton>

#include "ui/Controles.h"

#ifndef VARLEK_VERSION
#define VARLEK_VERSION "?"
#endif

namespace varlek {

using ui::TwRect;

Acerca::Acerca(QWidget* principal) : QDialog(principal) {
  setObjectName("Acerca");
  setWindowTitle("Acerca de Varlek");
  setFixedSize(ui::Tw(4875), ui::Tw(3870));
  const QFont comun = ui::FuenteComun();
  const QColor negro = palette().color(QPalette::WindowText);
  Label1 = ui::Etiqueta(this, "Label1", "Programa didáctico de simulación de la difracción de rayos X",
                        TwRect(240, 240, 4335, 495), ui::Fuente("MS Sans Serif", 9.75, true), negro);
  Label3 = ui::Etiqueta(this, "Label3", "Diseñado por:", TwRect(480, 960, 3615, 255), comun, negro);
  // Seven lines about the program itself, top to bottom.
  const std::pair<QLabel**, const char*> detalles[] = {
      {&Label2, "Label2"}, {&Label4, "Label4"}, {&Label7, "Label7"}, {&Label6, "Label6"},
      {&Label5, "Label5"}, {&Label9, "Label9"}, {&Label8, "Label8"},
  };
  const QString textos[] = {
      "Varlek, práctica de laboratorio",    "Difractómetro θ–2θ y cristal plano",  "Licencia: GPL-3.0 o posterior",
      "Guión: Intro.rtf, Programa.rtf,",    "Simula.rtf, en la carpeta de inicio", "Datos: ficheros de texto .ASC",
      QString("Versión ") + VARLEK_VERSION,
  };
  for (int i = 0; i < 7; ++i) {
    *detalles[i].first =
        ui::Etiqueta(this, detalles[i].second, textos[i], TwRect(720, 1200 + 240 * i, 3615, 255), comun, negro);
  }
  Label10 =
      ui::Etiqueta(this, "Label10", "Actualizado el 1 de Marzo de 2000", TwRect(1920, 3000, 3015, 255), comun, negro);
  Command1 = ui::Boton(this, "Command1", "Aceptar", TwRect(1800, 3360, 1335, 375), comun);
  connect(Command1, &QPushButton::clicked, this, &Acerca::Command1_Click);
  ui::ColocaDialogo(*this, *principal);
}

void Acerca::Command1_Click() { accept(); }

}  // namespace varlek
