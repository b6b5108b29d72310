#pragma once
// The 16 classic colours by number.

#include <QColor>

namespace varlek::ui {

// Entry n (0 to 15) of the classic 16-colour palette.
QColor Paleta(int n);

}  // namespace varlek::ui
