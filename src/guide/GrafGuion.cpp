// The guide panel of the main window: three chapters and the about box.

#include "app/Graf.h"
#include "guide/Acerca.h"
#include "guide/Guion.h"
#include "ui/Dialogos.h"

namespace varlek {

namespace {

// A chapter of the guide from the start directory. Every opening is a fresh
// window, so the chapter shows from its start.
void AbreGuion(QWidget* principal, ui::Dialogos& dialogos, const std::string& directorio, const QString& capitulo) {
  Guion ventana(principal);
  ventana.CargaCapitulo(directorio, capitulo);
  dialogos.MuestraModal(ventana);
}

}  // namespace

void Graf::Label3_Click() { AbreGuion(this, dialogos_, estado_.DirectorioInicial, "Intro.rtf"); }
void Graf::Label4_Click() { AbreGuion(this, dialogos_, estado_.DirectorioInicial, "Programa.rtf"); }
void Graf::Label5_Click() { AbreGuion(this, dialogos_, estado_.DirectorioInicial, "Simula.rtf"); }

void Graf::Label6_Click() {
  Acerca ventana(this);
  dialogos_.MuestraModal(ventana);
}

}  // namespace varlek
