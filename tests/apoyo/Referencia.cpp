#include "apoyo/Referencia.h"

#include <QDir>
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

::testing::AssertionResult ComoReferencia(QWidget& ventana, const QString& nombre) {
  return ComoReferencia(ventana.grab().toImage(), nombre);
}

}  // namespace varlek::prueba
