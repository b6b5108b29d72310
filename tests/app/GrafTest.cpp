#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <cmath>
#include <map>

#include "apoyo/Entorno.h"
#include "ui/MuestraError.h"
#include "ui/Lienzo.h"
#include "ui/SuperficieVentana.h"

namespace varlek {
namespace {

using prueba::Ventana;

// The menu tree written out: name, caption, and the children, nested by
// indentation of two blanks per level.
const char* const kArbol = R"(Menu_Fichero Fichero
  Menu_Fichero_Salvar Salvar
  Menu_Fichero_Cargar Cargar
  Menu_Fichero_Salir Salir
Menu_Cristal Cristal
  Menu_Parametros Parámetros
  Cristal_Mostrar Mostrar estructura
  Cristal_Girar Girar
  Cristal_Problema Cristales problema
    Cristales_Planos Cristales planos
      Cristal_1 Cristal 1
      Cristal_2 Cristal 2
      Cristal_3 Cristal 3
      Cristal_4 Cristal 4
      Cristal_5 Cristal 5
    Cristal_Problema_Polvo Difractogramas de polvo
      Muestra1 Muestra 1
      Muestra2 Muestra 2
      Muestra3 Muestra 3
  Cerrar_Problema Cerrar problema
Menu_Barrido Barrido
  Barrido_LambdaX Longitud de onda RX
  Barrido_Limites Límites
  Barrido_Lanzar Lanzar
  Barrido_Detener Detener
  Barrido_Inicializar Inicializar
Menu_Grafica Gráfica
  Menu_Borrar Borrar
  Menu_Dibujar Volver a dibujar
  Menu_Suavizar Suavizar
  Menu_Multiplicar Multiplicar
  Grafica_Sumar Sumar Registro X
Menu_Registros Registros
  Menu_Copiar_En Copiar en...
    CopiarEnX Registro X
    CopiarEnY Registro Y
    CopiarEnZ Registro Z
  Menu_Copiar_Desde Copiar desde...
    CopiarDesdeX Registro X
    CopiarDesdeY Registro Y
    CopiarDesdeZ Registro Z
  Menu_Mostrar Mostrar...
    MostrarX Registro X
    MostrarY Registro Y
    MostrarZ Registro Z
  Menu_Registros_Salvar Salvar...
    Salvar_RegistroX Registro X
    Salvar_RegistroY RegistroY
    Salvar_RegistroZ Registro Z
)";

void Escribe(const QList<QAction*>& acciones, int nivel, QString& arbol) {
  for (QAction* a : acciones) {
    if (a->isSeparator()) continue;
    EXPECT_TRUE(a->isEnabled() && a->isVisible() && !a->isCheckable()) << a->objectName().toStdString();
    EXPECT_TRUE(a->shortcut().isEmpty()) << a->objectName().toStdString();
    arbol += QString(2 * nivel, ' ') + a->objectName() + ' ' + a->text() + '\n';
    if (a->menu() != nullptr) Escribe(a->menu()->actions(), nivel + 1, arbol);
  }
}

TEST(Graf, MenuTreeNamesCaptionsOrderAndNesting) {
  Ventana v;
  QString arbol;
  Escribe(v.graf->menuBar()->actions(), 0, arbol);
  EXPECT_EQ(arbol.toStdString(), kArbol);
  EXPECT_FALSE(arbol.contains('&'));  // no access letters
}

TEST(Graf, WindowCaptionTimerAndLayout) {
  Ventana v;
  Graf& g = *v.graf;
  EXPECT_EQ(g.windowTitle(), "Simulacion de la difracción de Rayos X");
  EXPECT_EQ(g.Superficie->palette().color(QPalette::Window), QColor(255, 224, 192));
  EXPECT_FALSE(g.Reloj.isActive());
  EXPECT_EQ(g.Reloj.interval(), 25);
  EXPECT_EQ(g.Reloj.timerType(), Qt::PreciseTimer);
  // Twips at 15 a pixel.
  EXPECT_EQ(g.Graf_Espectro->geometry(), QRect(80, 288, 705, 201));
  EXPECT_EQ(g.Esquema->geometry(), QRect(184, 32, 481, 241));
  EXPECT_EQ(g.PuntX->geometry(), QRect(8, 456, 41, 19));
  EXPECT_EQ(g.Toolbar1->geometry(), QRect(0, 0, 724, 28));
  // Large enough that the whole plot and its bottom caption show.
  EXPECT_GE(g.Superficie->minimumWidth(), 785);
  EXPECT_GE(g.Superficie->minimumHeight(), 529);
  EXPECT_EQ(g.Graf_Espectro->PixelEn(50, 250), QColor(255, 255, 192));
  EXPECT_EQ(g.Esquema->PixelEn(0, 200), QColor(255, 255, 255));
}

TEST(Graf, ToolbarOrderKeysTooltipsImagesAndHandlers) {
  Ventana v;
  Graf& g = *v.graf;
  // The image store keeps the files' order; the toolbar its own.
  EXPECT_EQ(g.ImageList1Claves, QStringList({"abrir", "guardar", "lanzar", "param", "cristal", "parar"}));
  struct Esperado {
    const char *clave, *tooltip, *item;
  };
  const Esperado esperados[] = {{"abrir", "Abrir archivo", "Menu_Fichero_Cargar"},
                                {"guardar", "Guardar archivo", "Menu_Fichero_Salvar"},
                                {"param", "Fijar parámetros del cristal", "Menu_Parametros"},
                                {"cristal", "Mostrar estructura", "Cristal_Mostrar"},
                                {"lanzar", "Lanzar barrido", "Barrido_Lanzar"},
                                {"parar", "Detener barrido", "Barrido_Detener"}};
  std::map<QString, int> veces;  // menu items run, by name
  for (const Esperado& e : esperados)
    QObject::connect(g.findChild<QAction*>(e.item), &QAction::triggered, [&veces, e] { ++veces[e.item]; });
  const QList<QAction*> botones = g.Toolbar1->actions();
  ASSERT_EQ(botones.size(), 7);
  ASSERT_TRUE(botones[0]->isSeparator());
  g.Toolbar1->actionTriggered(botones[0]);
  EXPECT_TRUE(veces.empty());
  for (int i = 0; i < 6; ++i) {
    QAction* b = botones[i + 1];
    const Esperado& e = esperados[i];
    EXPECT_EQ(b->data().toString(), e.clave);
    EXPECT_EQ(b->toolTip(), e.tooltip);
    EXPECT_EQ(b->whatsThis(), e.tooltip);
    EXPECT_TRUE(b->text().isEmpty());
    const QImage deBoton = b->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage delAlmacen = g.ImageList1.value(e.clave).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(deBoton, delAlmacen) << e.clave;
    EXPECT_EQ(qAlpha(delAlmacen.pixel(0, 0)), 0) << e.clave;  // light grey is transparent
    veces.clear();
    g.Toolbar1->actionTriggered(b);
    g.Reloj.stop();
    EXPECT_EQ(veces, (std::map<QString, int>{{e.item, 1}})) << e.clave;
  }
}

TEST(Graf, ImagesMissingFromTheWorkingDirectoryComeFromTheProgram) {
  QTemporaryDir vacio;
  const QString antes = QDir::currentPath();
  QDir::setCurrent(vacio.path());
  Ventana v;
  QDir::setCurrent(antes);
  for (const QString& clave : v.graf->ImageList1Claves) EXPECT_FALSE(v.graf->ImageList1.value(clave).isNull());
  EXPECT_EQ(QString::fromStdString(v.estado.DirectorioInicial), QDir::toNativeSeparators(vacio.path()));
}

TEST(Graf, StartUpDrawsTheDefaultRange) {
  Ventana v;
  QStringList textos;
  for (const auto& t : v.graf->Superficie->Textos()) textos << t.texto;
  EXPECT_EQ(textos, QStringList({" 5", " 15", " 25", " 35", " 45", " 55", " 65", " 75", " 85", " 95", " 105", " 100",
                                 " 80", " 60", " 40", " 20", " 0"}));
  EXPECT_EQ(v.estado.LambdaX, 1.5418);
  EXPECT_EQ(v.estado.NumAtomos, 1);
}

TEST(Graf, SalirEndsARunningScanAtOnce) {
  Ventana v;
  v.graf->show();
  v.Pulsa("Barrido_Lanzar");
  v.Pulsa("Menu_Fichero_Salir");
  EXPECT_FALSE(v.graf->Reloj.isActive());
  EXPECT_FALSE(v.graf->isVisible());
  EXPECT_TRUE(v.dialogos.mensajes.empty());
}

TEST(Graf, SchematicAtStartUp) {
  Ventana v;
  ui::Lienzo& e = *v.graf->Esquema;
  EXPECT_EQ(e.PixelEn(0, 380), QColor(Qt::black));  // top of the detector circle
  EXPECT_EQ(e.PixelEn(0, 390), QColor(Qt::black));  // graduation at 90°
  EXPECT_EQ(e.PixelEn(0, 200), QColor(Qt::white));
  EXPECT_EQ(e.PixelEn(-430, 20), QColor(Qt::black));  // the source
  // The crystal: a square of side 30 turned by 2.5°, its corner near (15, 15).
  const double c = std::cos(6.2832 * 2.5 / 360), s = std::sin(6.2832 * 2.5 / 360);
  EXPECT_EQ(e.PixelEn(15 * c - 15 * s, 15 * s + 15 * c), QColor(Qt::black));
}

TEST(MuestraError, TitleAndMessage) {
  prueba::AseguraAplicacion();
  prueba::DialogosGuion dialogos;
  ui::MuestraError(dialogos, nullptr, 53);
  ui::MuestraError(dialogos, nullptr, 62);
  ASSERT_EQ(dialogos.mensajes.size(), 2u);
  EXPECT_EQ(dialogos.mensajes[0].titulo, "MENSAJE DE ERROR");
  EXPECT_EQ(dialogos.mensajes[0].texto, "Error 53: ese fichero no existe");
  EXPECT_EQ(dialogos.mensajes[1].texto, "Error  62: La entrada pasó del final del archivo");
}

}  // namespace
}  // namespace varlek
