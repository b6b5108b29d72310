#pragma once
// Building blocks of the program's windows: measures in twips, fonts by
// family and points, labels, text boxes and buttons, the dialogs' common
// frame and placement, and numbers shown in and read from text boxes.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>

#include "state/Numeros.h"

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace varlek::ui {

// Twips to pixels at 96 dots per inch (15 twips a pixel).
constexpr int Tw(int twips) { return (twips + 7) / 15; }
inline QRect TwRect(int izquierda, int arriba, int ancho, int alto) {
  return QRect(Tw(izquierda), Tw(arriba), Tw(ancho), Tw(alto));
}

// The background of the dialogs and of the main window's guide panel.
inline const QColor kFondoDialogo(255, 224, 192);
// The dark red of the dialogs' labels.
inline const QColor kRojoEtiqueta(192, 0, 0);

QFont Fuente(const char* familia, double puntos, bool negrita = false, bool cursiva = false);
// The program's fonts come from another platform: each is drawn with a free
// font of the same metrics (Liberation for Arial, MS Sans Serif and Times
// New Roman; Comic Neue for Comic Sans MS). Called once at start-up.
void SustituyeFuentes();
// The font of controls for which none is chosen.
QFont FuenteComun();

// A label on its parent's background, wrapping its text like the labels of
// the original forms did.
QLabel* Etiqueta(QWidget* padre, const char* nombre, const QString& texto, QRect rect, const QFont& fuente,
                 const QColor& color);
QLineEdit* CajaTexto(QWidget* padre, const char* nombre, QRect rect, const QFont& fuente);
// A small box that shows a number the program writes (the main window's
// readouts): a narrow face with tight margins, so that an angle such as
// " 101.25" and a float such as " 399.8905" show whole in 41 pixels.
QLineEdit* CajaLectura(QWidget* padre, const char* nombre, QRect rect);
QPushButton* Boton(QWidget* padre, const char* nombre, const QString& texto, QRect rect, const QFont& fuente);

// Title, object name, dialog background and a fixed client area in twips.
void PreparaDialogo(QDialog& dialogo, const char* nombre, const QString& titulo, int anchoTw, int altoTw);

// Places a dialog as every dialog of the program does: left = (main
// window width − own width)/2, top = (main window height − own height)/2,
// in screen coordinates, without adding the main window's own position.
void ColocaDialogo(QWidget& dialogo, const QWidget& principal);

// A number as the text boxes show it, and the number a text box holds.
template <typename T>
QString TextoNumero(T valor) {
  return QString::fromStdString(FormateaNumero(valor));
}
// A readout's text, shown from its first character, and whole as its
// tooltip when it is longer than the box.
void MuestraTexto(QLineEdit& caja, const std::string& texto);
double LeeCampo(const QLineEdit& campo);

}  // namespace varlek::ui
