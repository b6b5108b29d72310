#include "ui/DialogosQt.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace varlek::ui {

void DialogosQt::Mensaje(QWidget* dueno, const QString& titulo, const QString& texto) {
  QMessageBox caja(QMessageBox::NoIcon, titulo, texto, QMessageBox::Ok, dueno);
  caja.exec();
}

namespace {
std::optional<QString> PideFichero(QWidget* dueno, const OpcionesFichero& opciones, QFileDialog::AcceptMode modo) {
  QFileDialog dialogo(dueno, opciones.titulo);
  dialogo.setAcceptMode(modo);
  dialogo.setFileMode(modo == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
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
