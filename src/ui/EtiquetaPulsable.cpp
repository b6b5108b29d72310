#include "ui/EtiquetaPulsable.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace varlek::ui {

namespace {
class FiltroPulsacion : public QObject {
 public:
  FiltroPulsacion(QLabel& etiqueta, std::function<void()> alPulsar)
      : QObject(&etiqueta), alPulsar_(std::move(alPulsar)) {}

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override {
    if (evento->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
      alPulsar_();
      return true;
    }
    return QObject::eventFilter(objeto, evento);
  }

 private:
  std::function<void()> alPulsar_;
};
}  // namespace

void HazPulsable(QLabel& etiqueta, std::function<void()> alPulsar) {
  etiqueta.installEventFilter(new FiltroPulsacion(etiqueta, std::move(alPulsar)));
  etiqueta.setCursor(Qt::PointingHandCursor);
}

}  // namespace varlek::ui
