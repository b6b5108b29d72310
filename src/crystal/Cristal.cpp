#include "crystal/Cristal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "state/Angulos.h"
#include "state/ErrorVarlek.h"
#include "ui/Controles.h"
#include "ui/Dialogos.h"
#include "ui/MuestraError.h"

namespace varlek {

using ui::TwRect;

namespace {
constexpr int kTopesFilas[4] = {3600, 3960, 4320, 4680};
}  // namespace

Cristal::Cristal(Estado& estado, ui::Dialogos& dialogos, QWidget* principal)
    : QDialog(principal), estado_(estado), dialogos_(dialogos) {
  ui::PreparaDialogo(*this, "Cristal", "Condiciones del espectro", 6360, 6405);
  CreaControles();
  connect(Command1, &QPushButton::clicked, this, &Cristal::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Cristal::Command2_Click);
  ui::ColocaDialogo(*this, *principal);
  Form_Load();
}

void Cristal::CreaControles() {
  const QFont grande = ui::Fuente("MS Sans Serif", 12);
  const QFont mediana = ui::Fuente("MS Sans Serif", 9.75);
  const QFont comun = ui::FuenteComun();
  const QColor azul(0, 0, 192);
  const QColor rojo = ui::kRojoEtiqueta;

  // Created in tab order: the lattice, the number of atoms, the atoms row by
  // row, the buttons.
  Label1 = ui::Etiqueta(this, "Label1", "a:", TwRect(960, 240, 2175, 375), grande, azul);
  Text_AVec = ui::CajaTexto(this, "Text_AVec", TwRect(4560, 240, 975, 285), comun);
  Label2 = ui::Etiqueta(this, "Label2", "b:", TwRect(960, 840, 3135, 495), grande, azul);
  Text_BVec = ui::CajaTexto(this, "Text_BVec", TwRect(4560, 840, 975, 285), comun);
  Label3 = ui::Etiqueta(this, "Label3", "Ángulo:", TwRect(960, 1440, 2895, 495), grande, azul);
  Text_Theta = ui::CajaTexto(this, "Text_Theta", TwRect(4560, 1440, 975, 285), comun);
  Label4 =
      ui::Etiqueta(this, "Label4", "Número de átomos en la celda unidad:(4 como máximo):", TwRect(480, 2160, 3495, 495),
                   mediana, rojo);
  Text_At = ui::CajaTexto(this, "Text_At", TwRect(4680, 2280, 615, 285), comun);
  Label5 = ui::Etiqueta(this, "Label5",
                        "Coordenadas relativas  y  factor atómico (valor máximo:1) :", TwRect(480, 2880, 2895, 615),
                        mediana, rojo);
  Label6 = ui::Etiqueta(this, "Label6", "x", TwRect(3720, 3000, 375, 255), mediana, rojo);
  Label7 = ui::Etiqueta(this, "Label7", "y", TwRect(4560, 3000, 375, 375), mediana, rojo);
  Label11 = ui::Etiqueta(this, "Label11", "f", TwRect(5400, 3000, 495, 375), mediana, rojo);

  QLabel** filas[4] = {&Label8, &Label9, &Label10, &Label12};
  const char* nombresFila[4] = {"Label8", "Label9", "Label10", "Label12"};
  const int anchosFila[4] = {1095, 1095, 1215, 1215};
  QLineEdit** x[4] = {&Text_X1, &Text_X2, &Text_X3, &Text_X4};
  QLineEdit** y[4] = {&Text_Y1, &Text_Y2, &Text_Y3, &Text_Y4};
  QLineEdit** f[4] = {&Text_F1, &Text_F2, &Text_F3, &Text_F4};
  for (int i = 0; i < 4; ++i) {
    const int arriba = kTopesFilas[i];
    const QString numero = QString::number(i + 1);
    *filas[i] = ui::Etiqueta(this, nombresFila[i], "Atomo " + numero + ":", TwRect(2040, arriba, anchosFila[i], 255),
                             mediana, rojo);
    *x[i] = ui::CajaTexto(this, qPrintable("Text_X" + numero), TwRect(3600, arriba, 495, 285), comun);
    *y[i] = ui::CajaTexto(this, qPrintable("Text_Y" + numero), TwRect(4440, arriba, 495, 285), comun);
    *f[i] = ui::CajaTexto(this, qPrintable("Text_F" + numero), TwRect(5280, arriba, 495, 285), comun);
    columnaX_[i] = *x[i];
    columnaY_[i] = *y[i];
    columnaF_[i] = *f[i];
  }

  Command1 = ui::Boton(this, "Command1", "Aceptar", TwRect(960, 5520, 1695, 375), comun);
  Command2 = ui::Boton(this, "Command2", "Cancelar", TwRect(3720, 5520, 1695, 375), comun);
}

void Cristal::Form_Load() {
  if (estado_.Problema != 0) {
    for (QLineEdit* campo : {Text_AVec, Text_BVec, Text_Theta}) campo->setText("XXX");
    Text_At->setText("XX");
    for (int i = 0; i < 4; ++i) {
      for (QLineEdit* campo : {columnaX_[i], columnaY_[i], columnaF_[i]}) campo->setText("XX");
    }
    return;
  }
  Text_AVec->setText(ui::TextoNumero(estado_.AVec));
  Text_BVec->setText(ui::TextoNumero(estado_.BVec));
  // The angle is shown without its sign.
  Text_Theta->setText(ui::TextoNumero(std::abs(AGrados(estado_.Theta))));
  Text_At->setText(ui::TextoNumero(static_cast<int>(estado_.NumAtomos)));
  for (int i = 0; i < 4; ++i) {
    columnaX_[i]->setText(ui::TextoNumero(estado_.AtomoX[i + 1]));
    columnaY_[i]->setText(ui::TextoNumero(estado_.AtomoY[i + 1]));
    columnaF_[i]->setText(ui::TextoNumero(estado_.AtomoF[i + 1]));
  }
}

void Cristal::Command1_Click() {
  // The placeholders of problem mode are never read.
  if (estado_.Problema != 0) {
    accept();
    return;
  }

  // Everything is read and checked before anything is stored, so a refused
  // text leaves the crystal as it was.
  std::int16_t numAtomos = 0;
  bool numeroValido = false;
  try {
    numAtomos = EnteroDe16(ui::LeeCampo(*Text_At));
    numeroValido = numAtomos >= 1 && numAtomos <= 4;
  } catch (const ErrorVarlek&) {
    // Too large for a whole-number field: refused below like any other count.
  }
  if (!numeroValido) {
    dialogos_.Mensaje(this, ui::kTituloError, "El número de átomos en la celda unidad debe estar entre 1 y 4");
    Text_At->setFocus();
    Text_At->selectAll();
    return;
  }
  std::array<float, 4> factores{};
  try {
    for (int i = 0; i < 4; ++i) factores[i] = AFloat(ui::LeeCampo(*columnaF_[i]));
  } catch (const ErrorVarlek& error) {
    ui::MuestraError(dialogos_, this, error.Codigo());
    return;
  }

  estado_.AVec = ui::LeeCampo(*Text_AVec);
  estado_.BVec = ui::LeeCampo(*Text_BVec);
  estado_.Theta = ARadianes(ui::LeeCampo(*Text_Theta));
  estado_.NumAtomos = numAtomos;
  for (int i = 0; i < 4; ++i) estado_.AtomoX[i + 1] = ui::LeeCampo(*columnaX_[i]);
  for (int i = 0; i < 4; ++i) estado_.AtomoY[i + 1] = ui::LeeCampo(*columnaY_[i]);
  for (int i = 0; i < 4; ++i) estado_.AtomoF[i + 1] = factores[i];
  accept();
}

void Cristal::Command2_Click() { reject(); }

}  // namespace varlek
