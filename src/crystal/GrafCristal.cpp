// The crystal commands of the main window: the parameters dialog and the
// problem crystals.

#include "app/Graf.h"
#include "crystal/Cristal.h"
#include "crystal/CristalesProblema.h"
#include "ui/Dialogos.h"

namespace varlek {

void Graf::Menu_Parametros_Click() {
  Cristal ventana(estado_, dialogos_, this);
  dialogos_.MuestraModal(ventana);
}

void Graf::CargaProblema(int n) {
  dialogos_.Mensaje(this, ui::kTituloInformacion, QString::fromStdString(AvisoCristalProblema(n)));
  CargaCristalProblema(estado_, n);
  dialogos_.Mensaje(this, ui::kTituloInformacion, QString::fromStdString(ConfirmacionCristalProblema(n)));
}

void Graf::Cristal_1_Click() { CargaProblema(1); }
void Graf::Cristal_2_Click() { CargaProblema(2); }
void Graf::Cristal_3_Click() { CargaProblema(3); }
void Graf::Cristal_4_Click() { CargaProblema(4); }
void Graf::Cristal_5_Click() { CargaProblema(5); }

void Graf::Cerrar_Problema_Click() {
  IniciaBarrido();
  IniciaCristal(estado_);
}

}  // namespace varlek
