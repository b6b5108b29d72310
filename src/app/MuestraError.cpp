#include "app/MuestraError.h"

#include "state/ErrorVarlek.h"
#include "ui/Dialogos.h"

namespace varlek {

void MuestraError(ui::Dialogos& dialogos, QWidget* dueno, int codigoError) {
  dialogos.Mensaje(dueno, "MENSAJE DE ERROR", QString::fromStdString(TextoError(codigoError)));
}

}  // namespace varlek
