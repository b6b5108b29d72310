#pragma once
// The guide window "GUIÓN DE LA PRÁCTICA": one chapter of the practice's
// text in the read-only viewer Texto, and "Cerrar".

#include <QDialog>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

class QPushButton;
class QTextBrowser;

namespace varlek {

class Guion : public QDialog {
  Q_OBJECT

 public:
  explicit Guion(QWidget* principal);

  // Controls, under their names.
  QTextBrowser* Texto;
  QPushButton* Command1;

  // Loads a chapter into Texto, replacing what it showed: the file in
  // `directorio`, or the copy built into the program when that file cannot
  // be read.
  void CargaCapitulo(const std::string& directorio, const QString& nombre);
  // "Cerrar".
  void Command1_Click();

 private:
  void Muestra(const std::vector<std::uint8_t>& rtf);
};

}  // namespace varlek
