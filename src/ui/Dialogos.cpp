#include "ui/Dialogos.h"

#include <QStringList>

namespace varlek::ui {

QStringList FiltrosQt(const QString& filtro) {
  const QStringList partes = filtro.split('|');
  QStringList resultado;
  for (qsizetype i = 0; i + 1 < partes.size(); i += 2) {
    QString patrones = partes[i + 1];
    patrones.replace(';', ' ');
    // A label that already names its patterns in brackets is shown as it is.
    const QString& etiqueta = partes[i];
    resultado << (etiqueta.endsWith("(" + patrones + ")") ? etiqueta : etiqueta + " (" + patrones + ")");
  }
  return resultado;
}

}  // namespace varlek::ui
