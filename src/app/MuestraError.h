#pragma once
// The error report: the message of an error code under "MENSAJE DE ERROR".

class QWidget;

namespace varlek {
namespace ui {
class Dialogos;
}

void MuestraError(ui::Dialogos& dialogos, QWidget* dueno, int codigoError);

}  // namespace varlek
