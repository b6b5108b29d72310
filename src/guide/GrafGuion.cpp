// The guide panel of the main window: three chapters and the about box.

#include <QLabel>

#include "app/Graf.h"
#include "guide/Acerca.h"
#include "guide/Guion.h"
#include "ui/Dialogos.h"
#include "ui/EtiquetaPulsable.h"

namespace varlek {

void Graf::ConectaGuion() {
  ui::HazPulsable(*Label3, [this] { Label3_Click(); });
  ui::HazPulsable(*Label4, [this] { Label4_Click(); });
  ui::HazPulsable(*Label5, [this] { Label5_Click(); });
  ui::HazPulsable(*Label6, [this] { Label6_Click(); });
}

void Graf::AbreGuion(const QString& capitulo) {
  // Every opening is a fresh window, so the chapter shows from its start.
  Guion ventana(this);
  ventana.CargaCapitulo(estado_.DirectorioInicial, capitulo);
  dialogos_.MuestraModal(ventana);
}

void Graf::Label3_Click() { AbreGuion("Intro.rtf"); }
void Graf::Label4_Click() { AbreGuion("Programa.rtf"); }
void Graf::Label5_Click() { AbreGuion("Simula.rtf"); }

void Graf::Label6_Click() {
  Acerca ventana(this);
  dialogos_.MuestraModal(ventana);
}

}  // namespace varlek
