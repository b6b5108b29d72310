#include "ui/Controles.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/Paleta.h"

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
  return etiqueta;
}

QLineEdit* CajaTexto(QWidget* padre, const char* nombre, QRect rect, const QFont& fuente) {
  auto* caja = new QLineEdit(padre);
  caja->setObjectName(nombre);
  caja->setGeometry(rect);
  caja->setFont(fuente);
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

void MuestraTexto(QLineEdit& caja, const std::string& texto) {
  caja.setText(QString::fromStdString(texto));
  caja.setCursorPosition(0);
}

double LeeCampo(const QLineEdit& campo) { return LeeNumero(campo.text().toStdString()); }

}  // namespace varlek::ui
