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

namespace {

// Problem crystal n, between its warning and its confirmation.
void CargaProblema(Estado& e, ui::Dialogos& dialogos, QWidget* principal, int n) {
  dialogos.Mensaje(principal, ui::kTituloInformacion, QString::fromStdString(AvisoCristalProblema(n)));
  CargaCristalProblema(e, n);
  dialogos.Mensaje(principal, ui::kTituloInformacion, QString::fromStdString(ConfirmacionCristalProblema(n)));
}

}  // namespace

void Graf::Cristal_1_Click() { CargaProblema(estado_, dialogos_, this, 1); }
void Graf::Cristal_2_Click() { CargaProblema(estado_, dialogos_, this, 2); }
void Graf::Cristal_3_Click() { CargaProblema(estado_, dialogos_, this, 3); }
void Graf::Cristal_4_Click() { CargaProblema(estado_, dialogos_, this, 4); }
void Graf::Cristal_5_Click() { CargaProblema(estado_, dialogos_, this, 5); }

void Graf::Cerrar_Problema_Click() {
  IniciaBarrido();
  IniciaCristal(estado_);
}

}  // namespace varlek
