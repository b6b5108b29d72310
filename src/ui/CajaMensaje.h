#pragma once
// The program's message box: a title, a text and its buttons, no icon. The
// text wraps into lines no wider than a readable measure, and the box is
// wide enough for a window manager to show its whole title.

#include <QDialog>
#include <QStringList>

namespace varlek::ui {

class CajaMensaje : public QDialog {
 public:
  // One button ("Aceptar") unless others are named; the last is the default,
  // so that Enter never answers a question with its first, riskier choice.
  CajaMensaje(QWidget* dueno, const QString& titulo, const QString& texto,
              const QStringList& botones = {QStringLiteral("Aceptar")});
  // Shows the box modally; the index of the button pressed, or -1 when the
  // box was closed by its frame or Escape.
  int Pregunta();

  // The widest line of text before it wraps, in pixels.
  static constexpr int kAnchoMaximoTexto = 440;

 private:
  int pulsado_ = -1;
};

}  // namespace varlek::ui
