#include "ui/MuestraError.h"

#include "state/ErrorVarlek.h"
#include "ui/Dialogos.h"

namespace varlek::ui {

void MuestraError(Dialogos& dialogos, QWidget* dueno, int codigoError) {
  dialogos.Mensaje(dueno, kTituloError, QString::fromStdString(TextoError(codigoError)));
}

}  // namespace varlek::ui
