#include "ui/Dialogos.h"

#include <QStringList>

namespace varlek::ui {

QStringList FiltrosQt(const QString& filtro) {
  const QStringList partes = filtro.split('|');
  QStringList resultado;
  for (qsizetype i = 0; i + 1 < partes.size(); i += 2) {
    QString patrones = partes[i + 1];
    patrones.replace(';', ' ');
    resultado << partes[i] + " (" + patrones + ")";
  }
  return resultado;
}

}  // namespace varlek::ui
