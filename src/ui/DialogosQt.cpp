#include "ui/DialogosQt.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace varlek::ui {

void DialogosQt::Mensaje(QWidget* dueno, const QString& titulo, const QString& texto) {
  QMessageBox caja(QMessageBox::NoIcon, titulo, texto, QMessageBox::Ok, dueno);
  // Wide enough that a window manager shows the whole title (its font is
  // not ours to measure: the box's own, with room for the frame's buttons).
  const int ancho = caja.fontMetrics().horizontalAdvance(titulo) * 3 / 2 + 120;
  caja.setStyleSheet(QString("QLabel { min-width: %1px; }").arg(ancho));
  caja.exec();
}

namespace {
std::optional<QString> PideFichero(QWidget* dueno, const OpcionesFichero& opciones, QFileDialog::AcceptMode modo) {
  QFileDialog dialogo(dueno, opciones.titulo);
  dialogo.setAcceptMode(modo);
  // Any typed name is returned, also one that does not exist: the command
  // that reads it reports a missing file itself.
  dialogo.setFileMode(QFileDialog::AnyFile);
  dialogo.setOption(QFileDialog::DontConfirmOverwrite, !opciones.preguntaSobrescribir);
  const QStringList filtros = FiltrosQt(opciones.filtro);
  dialogo.setNameFilters(filtros);
  if (opciones.filtroInicial >= 1 && opciones.filtroInicial <= filtros.size())
    dialogo.selectNameFilter(filtros[opciones.filtroInicial - 1]);
  if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return std::nullopt;
  return dialogo.selectedFiles().first();
}
}  // namespace

std::optional<QString> DialogosQt::PideFicheroAbrir(QWidget* dueno, const OpcionesFichero& opciones) {
  return PideFichero(dueno, opciones, QFileDialog::AcceptOpen);
}

std::optional<QString> DialogosQt::PideFicheroSalvar(QWidget* dueno, const OpcionesFichero& opciones) {
  return PideFichero(dueno, opciones, QFileDialog::AcceptSave);
}

void DialogosQt::MuestraModal(QDialog& ventana) { ventana.exec(); }

// The application's override cursor, so the text boxes and every other
// control show it too.
void DialogosQt::PunteroOcupado(QWidget*, bool ocupado) {
  if (ocupado)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

}  // namespace varlek::ui
