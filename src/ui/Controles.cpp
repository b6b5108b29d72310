#include "ui/Controles.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

namespace varlek::ui {

QFont Fuente(const char* familia, double puntos, bool negrita, bool cursiva) {
  QFont f(familia);
  f.setPointSizeF(puntos);
  f.setBold(negrita);
  f.setItalic(cursiva);
  return f;
}

void SustituyeFuentes() {
  QFont::insertSubstitution("Arial", "Liberation Sans");
  QFont::insertSubstitution("Arial Narrow", "Liberation Sans Narrow");
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  QFont::insertSubstitution("Times New Roman", "Liberation Serif");
  QFont::insertSubstitution("Comic Sans MS", "Comic Neue");
}

QFont FuenteComun() { return Fuente("MS Sans Serif", 8.25); }

QLabel* Etiqueta(QWidget* padre, const char* nombre, const QString& texto, QRect rect, const QFont& fuente,
                 const QColor& color) {
  auto* etiqueta = new QLabel(texto, padre);
  etiqueta->setObjectName(nombre);
  etiqueta->setGeometry(rect);
  etiqueta->setFont(fuente);
  QPalette paleta = etiqueta->palette();
  paleta.setColor(QPalette::WindowText, color);
  etiqueta->setPalette(paleta);
  etiqueta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  etiqueta->setWordWrap(true);
  // The free fonts' lines are a pixel or two taller than those the places
  // were measured for: a label grows down rather than cut its descenders.
  etiqueta->resize(rect.width(), std::max(rect.height(), etiqueta->heightForWidth(rect.width())));
  return etiqueta;
}

QLineEdit* CajaTexto(QWidget* padre, const char* nombre, QRect rect, const QFont& fuente) {
  auto* caja = new QLineEdit(padre);
  caja->setObjectName(nombre);
  caja->setGeometry(rect);
  caja->setFont(fuente);
  return caja;
}

QLineEdit* CajaLectura(QWidget* padre, const char* nombre, QRect rect) {
  QLineEdit* caja = CajaTexto(padre, nombre, rect, Fuente("Arial Narrow", 7.5));
  caja->setTextMargins(-1, 0, -1, 0);
  return caja;
}

QPushButton* Boton(QWidget* padre, const char* nombre, const QString& texto, QRect rect, const QFont& fuente) {
  auto* boton = new QPushButton(texto, padre);
  boton->setObjectName(nombre);
  boton->setGeometry(rect);
  boton->setFont(fuente);
  return boton;
}

void PreparaDialogo(QDialog& dialogo, const char* nombre, const QString& titulo, int anchoTw, int altoTw) {
  dialogo.setObjectName(nombre);
  // An empty title would show the program's name: a blank shows nothing.
  dialogo.setWindowTitle(titulo.isEmpty() ? QStringLiteral(" ") : titulo);
  dialogo.setFixedSize(Tw(anchoTw), Tw(altoTw));
  QPalette paleta = dialogo.palette();
  paleta.setColor(QPalette::Window, kFondoDialogo);
  dialogo.setPalette(paleta);
  dialogo.setAutoFillBackground(true);
}

void ColocaDialogo(QWidget& dialogo, const QWidget& principal) {
  const QSize propio = dialogo.frameGeometry().size();
  const QSize suyo = principal.frameGeometry().size();
  dialogo.move((suyo.width() - propio.width()) / 2, (suyo.height() - propio.height()) / 2);
}

void MuestraTexto(QLineEdit& caja, const std::string& texto) {
  caja.setText(QString::fromStdString(texto));
  caja.setCursorPosition(0);
  // The text area: the box less its frame and its margins on both sides.
  const QMargins margenes = caja.textMargins();
  const int ancho = caja.width() - 2 * caja.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &caja) - 4 -
                    margenes.left() - margenes.right();
  caja.setToolTip(caja.fontMetrics().horizontalAdvance(caja.text()) > ancho ? caja.text() : QString());
}

double LeeCampo(const QLineEdit& campo) { return LeeNumero(campo.text().toStdString()); }

}  // namespace varlek::ui
