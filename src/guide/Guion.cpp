#include "guide/Guion.h"

#include <QFile>
#include <QPushButton>
#include <QTextBrowser>

#include "guide/Capitulos.h"
#include "guide/DocumentoQt.h"
#include "guide/LectorRtf.h"
#include "ui/Controles.h"

namespace varlek {

using ui::TwRect;

Guion::Guion(QWidget* principal) : QDialog(principal) {
  ui::PreparaDialogo(*this, "Guion", "GUIÓN DE LA PRÁCTICA", 8970, 7890);
  QPalette paleta = palette();
  paleta.setColor(QPalette::Window, QColor(224, 224, 224));
  setPalette(paleta);
  Texto = new QTextBrowser(this);
  Texto->setObjectName("Texto");
  Texto->setGeometry(TwRect(120, 120, 8775, 6975));
  Texto->setReadOnly(true);
  Texto->setOpenLinks(false);
  Command1 = ui::Boton(this, "Command1", "Cerrar", TwRect(3840, 7320, 1215, 375), ui::FuenteComun());
  connect(Command1, &QPushButton::clicked, this, &Guion::Command1_Click);
  ui::ColocaDialogo(*this, *principal);
}

void Guion::CargaCapitulo(const std::string& directorio, const QString& nombre) {
  if (const auto bytes = guia::LeeBytes(guia::RutaCapitulo(directorio, nombre.toStdString()))) {
    Muestra(*bytes);
    return;
  }
  QFile copia(":/guion/" + nombre);
  if (copia.open(QIODevice::ReadOnly)) {
    const QByteArray bytes = copia.readAll();
    Muestra(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    return;
  }
  Texto->setPlainText("No se encuentra el capítulo \"" + nombre + "\".");
}

void Guion::Muestra(const std::vector<std::uint8_t>& rtf) {
  guia::ConstruyeDocumento(guia::LeeRtf(rtf), *Texto->document());
  Texto->moveCursor(QTextCursor::Start);
}

void Guion::Command1_Click() { accept(); }

}  // namespace varlek
