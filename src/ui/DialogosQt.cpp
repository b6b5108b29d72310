#include "ui/DialogosQt.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>

#include "ui/CajaMensaje.h"

namespace varlek::ui {

void DialogosQt::Mensaje(QWidget* dueno, const QString& titulo, const QString& texto) {
  CajaMensaje(dueno, titulo, texto).Pregunta();
}

namespace {
std::optional<QString> PideFichero(QWidget* dueno, const OpcionesFichero& opciones, QFileDialog::AcceptMode modo) {
  QFileDialog dialogo(dueno, opciones.titulo);
  dialogo.setAcceptMode(modo);
  // Any typed name is returned, also one that does not exist: the command
  // that reads it reports a missing file itself.
  dialogo.setFileMode(QFileDialog::AnyFile);
  // The question before replacing a file is the program's own box, which
  // shows the dialog's long title whole.
  dialogo.setOption(QFileDialog::DontConfirmOverwrite, true);
  const QStringList filtros = FiltrosQt(opciones.filtro);
  dialogo.setNameFilters(filtros);
  if (opciones.filtroInicial >= 1 && opciones.filtroInicial <= filtros.size())
    dialogo.selectNameFilter(filtros[opciones.filtroInicial - 1]);
  while (dialogo.exec() == QDialog::Accepted && !dialogo.selectedFiles().isEmpty()) {
    const QString nombre = dialogo.selectedFiles().first();
    if (!opciones.preguntaSobrescribir || !QFileInfo::exists(nombre)) return nombre;
    const QString pregunta = QFileInfo(nombre).fileName() + " ya existe.\n¿Quiere reemplazarlo?";
    if (CajaMensaje(&dialogo, opciones.titulo, pregunta, {"Sí", "No"}).Pregunta() == 0) return nombre;
  }
  return std::nullopt;
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
