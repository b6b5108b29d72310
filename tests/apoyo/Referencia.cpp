#include "apoyo/Referencia.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QWidget>

namespace varlek::prueba {

::testing::AssertionResult ComoReferencia(const QImage& imagen, const QString& nombre) {
  const QString ruta = QStringLiteral(VARLEK_REFERENCIAS "/") + nombre + ".png";
  const QImage obtenida = imagen.convertToFormat(QImage::Format_ARGB32);
  if (qEnvironmentVariable("VARLEK_REFERENCIAS") == "escribir") {
    if (obtenida.save(ruta)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no se pudo escribir " << ruta.toStdString();
  }
  const QImage referencia = QImage(ruta).convertToFormat(QImage::Format_ARGB32);
  if (referencia.isNull()) return ::testing::AssertionFailure() << "falta " << ruta.toStdString();
  if (referencia.size() != obtenida.size())
    return ::testing::AssertionFailure() << nombre.toStdString() << ": " << obtenida.width() << "×" << obtenida.height()
                                         << " en vez de " << referencia.width() << "×" << referencia.height();
  int distintos = 0;
  QPoint primero;
  for (int y = 0; y < obtenida.height(); ++y)
    for (int x = 0; x < obtenida.width(); ++x)
      if (obtenida.pixel(x, y) != referencia.pixel(x, y) && distintos++ == 0) primero = QPoint(x, y);
  if (distintos == 0) return ::testing::AssertionSuccess();
  const QString fallo = QDir::temp().filePath("varlek-" + nombre + "-obtenida.png");
  obtenida.save(fallo);
  return ::testing::AssertionFailure() << nombre.toStdString() << ": " << distintos
                                       << " píxeles distintos, el primero en (" << primero.x() << ", " << primero.y()
                                       << "); lo dibujado está en " << fallo.toStdString();
}

QStringList Recortados(const QWidget& ventana) {
  QStringList cortados;
  auto anota = [&](const QWidget& w, QSize necesita) {
    if (necesita.width() > w.width() || necesita.height() > w.height())
      cortados << QString("%1: %2×%3 < %4×%5")
                      .arg(w.objectName())
                      .arg(w.width())
                      .arg(w.height())
                      .arg(necesita.width())
                      .arg(necesita.height());
  };
  for (const QLabel* l : ventana.findChildren<QLabel*>()) {
    if (!l->isVisibleTo(&ventana) || l->text().isEmpty()) continue;
    // A wrapping label needs its longest word across and its lines down.
    anota(*l, l->wordWrap() ? QSize(l->minimumSizeHint().width(), l->heightForWidth(l->width())) : l->sizeHint());
  }
  for (const QAbstractButton* b : ventana.findChildren<QAbstractButton*>())
    if (b->isVisibleTo(&ventana) && !b->text().isEmpty()) anota(*b, b->sizeHint());
  return cortados;
}

::testing::AssertionResult ComoReferencia(QWidget& ventana, const QString& nombre) {
  const QStringList cortados = Recortados(ventana);
  if (!cortados.isEmpty())
    return ::testing::AssertionFailure() << nombre.toStdString()
                                         << ": rótulos cortados: " << cortados.join(", ").toStdString();
  return ComoReferencia(ventana.grab().toImage(), nombre);
}

}  // namespace varlek::prueba
