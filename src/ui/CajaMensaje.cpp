#include "ui/CajaMensaje.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace varlek::ui {

namespace {

// A window manager draws the title in a font of its own, with its buttons
// beside it: room for half as much again as the title needs in ours.
int AnchoParaTitulo(const QWidget& caja, const QString& titulo) {
  return caja.fontMetrics().horizontalAdvance(titulo) * 3 / 2 + 120;
}

}  // namespace

CajaMensaje::CajaMensaje(QWidget* dueno, const QString& titulo, const QString& texto, const QStringList& botones)
    : QDialog(dueno) {
  setObjectName("CajaMensaje");
  setWindowTitle(titulo);
  auto* columna = new QVBoxLayout(this);
  columna->setContentsMargins(20, 18, 20, 12);
  columna->setSpacing(16);

  auto* etiqueta = new QLabel(texto, this);
  etiqueta->setObjectName("Texto");
  etiqueta->setTextFormat(Qt::PlainText);
  // The whole text on one line when it fits the measure; wrapped otherwise.
  const int natural = etiqueta->sizeHint().width();
  etiqueta->setWordWrap(true);
  const int margenes = columna->contentsMargins().left() + columna->contentsMargins().right();
  const int ancho = std::max(std::min(natural, kAnchoMaximoTexto), AnchoParaTitulo(*this, titulo) - margenes);
  etiqueta->setFixedSize(ancho, etiqueta->heightForWidth(ancho));
  columna->addWidget(etiqueta);

  auto* fila = new QHBoxLayout;
  fila->addStretch();
  for (int i = 0; i < botones.size(); ++i) {
    auto* boton = new QPushButton(botones[i], this);
    boton->setObjectName(botones[i]);
    boton->setMinimumWidth(std::max(88, boton->sizeHint().width()));
    boton->setDefault(i == botones.size() - 1);
    connect(boton, &QPushButton::clicked, this, [this, i] {
      pulsado_ = i;
      accept();
    });
    fila->addWidget(boton);
  }
  fila->addStretch();
  columna->addLayout(fila);
  columna->setSizeConstraint(QLayout::SetFixedSize);
}

int CajaMensaje::Pregunta() {
  pulsado_ = -1;
  exec();
  return pulsado_;
}

}  // namespace varlek::ui
