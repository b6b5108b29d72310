#pragma once
// Makes a label answer a click of the left mouse button, as the guide
// links of the main window do.

#include <functional>

class QLabel;

namespace varlek::ui {

void HazPulsable(QLabel& etiqueta, std::function<void()> alPulsar);

}  // namespace varlek::ui
