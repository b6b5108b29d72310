#include "ui/SuperficieVentana.h"

#include <QFontMetrics>
#include <QPainter>

namespace varlek::ui {

SuperficieVentana::SuperficieVentana(QWidget* padre) : QWidget(padre) { setAutoFillBackground(true); }

void SuperficieVentana::FijaColores(const QColor& fondo, const QColor& frente) {
  QPalette paleta = palette();
  paleta.setColor(QPalette::Window, fondo);
  setPalette(paleta);
  frente_ = frente;
  update();
}

void SuperficieVentana::Limpia() {
  textos_.clear();
  update();
}

void SuperficieVentana::Escribe(QPoint esquina, const QString& texto) {
  textos_.push_back({esquina, texto});
  update();
}

QSize SuperficieVentana::MideTexto(const QString& texto) const {
  const QFontMetrics medidas(font());
  return QSize(medidas.horizontalAdvance(texto), medidas.height());
}

void SuperficieVentana::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  pintor.setPen(frente_);
  const QFontMetrics medidas(font());
  for (const auto& t : textos_) pintor.drawText(t.esquina + QPoint(0, medidas.ascent()), t.texto);
}

}  // namespace varlek::ui
