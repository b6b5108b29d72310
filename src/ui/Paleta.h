#pragma once
// The 16 classic colours by number, and the measures of windows in twips.

#include <QColor>
#include <QRect>

class QWidget;

namespace varlek::ui {

// Entry n (0 to 15) of the classic 16-colour palette.
QColor Paleta(int n);

// Twips to pixels at 96 dots per inch (15 twips a pixel).
constexpr int Tw(int twips) { return (twips + 7) / 15; }
inline QRect TwRect(int izquierda, int arriba, int ancho, int alto) {
  return QRect(Tw(izquierda), Tw(arriba), Tw(ancho), Tw(alto));
}

// Places a dialog as every dialog of the program does: left = (main
// window width − own width)/2, top = (main window height − own height)/2,
// in screen coordinates, without adding the main window's own position.
void ColocaDialogo(QWidget& dialogo, const QWidget& principal);

}  // namespace varlek::ui
