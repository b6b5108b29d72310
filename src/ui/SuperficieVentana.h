#pragma once
// The main window's own surface: its background colour and the texts
// written on it at pixel positions, kept until it is cleared.

#include <QColor>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <vector>

namespace varlek::ui {

class SuperficieVentana : public QWidget {
  Q_OBJECT

 public:
  struct TextoEscrito {
    QPoint esquina;  // top-left corner, pixels
    QString texto;
  };

  explicit SuperficieVentana(QWidget* padre = nullptr);

  void FijaColores(const QColor& fondo, const QColor& frente);
  // Clears every text written on the surface.
  void Limpia();
  void Escribe(QPoint esquina, const QString& texto);
  QSize MideTexto(const QString& texto) const;
  const std::vector<TextoEscrito>& Textos() const { return textos_; }

 protected:
  void paintEvent(QPaintEvent* evento) override;

 private:
  QColor frente_;
  std::vector<TextoEscrito> textos_;
};

}  // namespace varlek::ui
