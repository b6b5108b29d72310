#include "structure/Estructu.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "state/ErrorVarlek.h"
#include "structure/DibujoAtomos.h"
#include "structure/EntradaVisor.h"
#include "structure/ExplicacionFamilia.h"
#include "structure/FamiliaPlanos.h"
#include "structure/GiroFamilia.h"
#include "ui/Controles.h"
#include "ui/Lienzo.h"
#include "ui/MuestraError.h"
#include "ui/Paleta.h"

namespace varlek {

using ui::TwRect;

namespace {
const QColor kFondo(255, 255, 192);
constexpr int kAnchoTw = 7170, kAltoTw = 6795;
// The drawing area's user coordinates: x −500…500, y 450 at the top down to
// −550 at the bottom.
constexpr double kIzquierda = -500, kArriba = 450, kAncho = 1000, kAlto = -1000;
}  // namespace

Estructu::Estructu(Estado& estado, ui::Dialogos& dialogos, QWidget* principal)
    : QDialog(principal), estado_(estado), dialogos_(dialogos) {
  ui::PreparaDialogo(*this, "Estructu", "Estructura del cristal", kAnchoTw, kAltoTw);
  QPalette paleta = palette();
  paleta.setColor(QPalette::Window, kFondo);
  setPalette(paleta);
  CreaControles();
  connect(Command1, &QPushButton::clicked, this, &Estructu::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Estructu::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &Estructu::Command3_Click);
  connect(Text_a, &QLineEdit::textChanged, this, &Estructu::Text_a_Change);
  connect(Text_b, &QLineEdit::textChanged, this, &Estructu::Text_b_Change);
  Superficie->AlPulsar = [this](int boton, float x, float y) { Form_MouseDown(boton, 0, x, y); };
  ui::ColocaDialogo(*this, *principal);
  Form_Load();
}

void Estructu::CreaControles() {
  // The drawing area first, so that the controls stand over its lower strip.
  Superficie = new ui::Lienzo(this);
  Superficie->setObjectName("Superficie");
  Superficie->setFrameStyle(QFrame::NoFrame);
  Superficie->setGeometry(TwRect(0, 0, kAnchoTw, kAltoTw));
  Superficie->setFont(ui::FuenteComun());

  const QFont grande = ui::Fuente("MS Sans Serif", 12);
  const QFont comun = ui::FuenteComun();
  const QColor azul(0, 0, 255);
  Label3 = ui::Etiqueta(this, "Label3", "Indices de Miller:", TwRect(360, 5880, 2175, 255), grande, azul);
  Label1 = ui::Etiqueta(this, "Label1", "a:", TwRect(360, 6360, 375, 255), grande, azul);
  Text_a = ui::CajaTexto(this, "Text_a", TwRect(720, 6360, 495, 285), comun);
  Label2 = ui::Etiqueta(this, "Label2", "b:", TwRect(1560, 6360, 375, 255), grande, azul);
  Text_b = ui::CajaTexto(this, "Text_b", TwRect(1920, 6360, 495, 285), comun);
  // The labels stand on the window's background, hiding what is drawn below.
  for (QLabel* etiqueta : {Label3, Label1, Label2}) {
    QPalette paleta = etiqueta->palette();
    paleta.setColor(QPalette::Window, kFondo);
    etiqueta->setPalette(paleta);
    etiqueta->setAutoFillBackground(true);
  }
  Command3 = ui::Boton(this, "Command3", "Girar el cristal", TwRect(2760, 5880, 2295, 375), comun);
  Command2 = ui::Boton(this, "Command2", "", TwRect(2760, 6360, 2295, 375), comun);
  Command1 = ui::Boton(this, "Command1", "Cerrar", TwRect(5400, 6120, 1455, 375), comun);
}

void Estructu::Form_Load() {
  estado_.ContadorClic = 1;
  Text_a->setText(ui::TextoNumero(static_cast<int>(estado_.IndiceH)));
  Text_b->setText(ui::TextoNumero(static_cast<int>(estado_.IndiceK)));
  RotulaFamilia();
  Form_Paint();
}

void Estructu::RotulaFamilia() {
  Command2->setText("Dibujar familia [" + ui::TextoNumero(static_cast<int>(estado_.IndiceH)) + "," +
                    ui::TextoNumero(static_cast<int>(estado_.IndiceK)) + "]");
  // A problem crystal's spacings would give its lattice away.
  Command2->setToolTip(estado_.Problema == 0 ? QString::fromStdString(ExplicaFamilia(estado_)) : QString());
}

void Estructu::Text_a_Change() {
  estado_.IndiceH = IndiceDeTexto(Text_a->text().toStdString());
  RotulaFamilia();
}

void Estructu::Text_b_Change() {
  estado_.IndiceK = IndiceDeTexto(Text_b->text().toStdString());
  RotulaFamilia();
}

void Estructu::Form_Paint() {
  Superficie->FijaColorFondo(kFondo);
  Superficie->FijaColorFrente(ui::Paleta(0));
  Superficie->Escala(kIzquierda, kArriba, kAncho, kAlto);
  try {
    DibujaEstructura();
  } catch (const ErrorVarlek& error) {
    ui::MuestraError(dialogos_, this, error.Codigo());
  }
}

void Estructu::DibujaEstructura() {
  if (estado_.Problema == 1) {
    Superficie->FijaColorFrente(QColor(200, 0, 0));
    Superficie->Texto(-450, 0, "¡ No vale mirar ! . Si no, no sería un problema.", 14);
    return;
  }
  if (estado_.Problema != 0) return;
  for (int i = -5; i <= 5; ++i) {
    for (int j = -5; j <= 5; ++j) {
      for (int k = 1; k <= estado_.NumAtomos; ++k) {
        Superficie->FijaRelleno(ui::Paleta(IndiceColor(estado_.AtomoF[k])));
        const std::optional<Centro> centro = CentroAtomo(estado_, i, j, k);
        if (centro) Superficie->Circulo(centro->x, centro->y, 10);
      }
    }
  }
}

void Estructu::DibujaFamilia() {
  try {
    const std::int64_t n = CalculaFamilia(estado_);
    // One pixel's height in user units bounds the number of lines drawn.
    const double pixel = std::abs(kAlto) / std::max(1, Superficie->Imagen().height() - 1);
    for (double y : AlturasLineas(estado_.Espaciado, n, kArriba + kAlto, kArriba, pixel))
      Superficie->Linea(-450, y, 400, y, QColor(255, 0, 0));
  } catch (const ErrorVarlek& error) {
    ui::MuestraError(dialogos_, this, error.Codigo());
  }
}

void Estructu::Command1_Click() { accept(); }

void Estructu::Command2_Click() {
  if (estado_.Problema == 0) DibujaFamilia();
}

// With a problem crystal loaded the crystal is not turned either: the angle
// that levels a family would give the hidden lattice away.
void Estructu::Command3_Click() {
  if (estado_.Problema != 0) return;
  if (GiraHaciaFamilia(estado_)) Form_Paint();
}

void Estructu::Form_MouseDown(int, int, float x, float y) {
  ui::PlumaTemporal punteada(*Superficie, ui::Lienzo::Estilo::Punteado);
  if (estado_.ContadorClic % 2 != 0) {
    estado_.LineaX1 = x;
    estado_.LineaY1 = y;
  } else {
    estado_.LineaX2 = x;
    estado_.LineaY2 = y;
    Superficie->Linea(estado_.LineaX1, estado_.LineaY1, estado_.LineaX2, estado_.LineaY2, ui::Paleta(9));
  }
  estado_.ContadorClic = SiguienteClic(estado_.ContadorClic);
}

}  // namespace varlek
