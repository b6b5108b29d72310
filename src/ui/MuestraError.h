#pragma once
// The error report: the message of an error code under "MENSAJE DE ERROR".

class QWidget;

namespace varlek::ui {

class Dialogos;

void MuestraError(Dialogos& dialogos, QWidget* dueno, int codigoError);

}  // namespace varlek::ui
