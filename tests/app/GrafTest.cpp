#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolBar>
#include <cmath>
#include <utility>
#include <vector>

#include "apoyo/Entorno.h"
#include "ui/Lienzo.h"
#include "ui/SuperficieVentana.h"

namespace varlek {
namespace {

using prueba::Ventana;

// Where an item sits: the names of the menus above it, from the menu bar down.
QStringList Ruta(QObject* objeto) {
  QStringList ruta;
  for (auto* menu = qobject_cast<QMenu*>(objeto->parent()); menu != nullptr;
       menu = qobject_cast<QMenu*>(menu->parent()))
    ruta.prepend(menu->menuAction()->objectName());
  return ruta;
}

// The menus, the default range's labels and the schematic at start-up;
// "Salir" ends a running scan at once.
TEST(Graf, StartUpMenusLabelsAndSchematicAndSalirEndsARunningScan) {
  Ventana v;
  const std::pair<const char*, QStringList> casos[] = {
      {"Cristal_1", {"Menu_Cristal", "Cristal_Problema", "Cristales_Planos"}},
      {"Muestra3", {"Menu_Cristal", "Cristal_Problema", "Cristal_Problema_Polvo"}},
      {"Salvar_RegistroY", {"Menu_Registros", "Menu_Registros_Salvar"}}};
  for (const auto& [item, ruta] : casos) {
    auto* accion = v.graf->findChild<QAction*>(item);
    ASSERT_NE(accion, nullptr) << item;
    EXPECT_EQ(Ruta(accion), ruta) << item;
  }

  QStringList textos;
  for (const auto& t : v.graf->Superficie->Textos()) textos << t.texto;
  EXPECT_EQ(textos, QStringList({" 5", " 15", " 25", " 35", " 45", " 55", " 65", " 75", " 85", " 95", " 105", " 100",
                                 " 80", " 60", " 40", " 20", " 0"}));
  ui::Lienzo& e = *v.graf->Esquema;
  EXPECT_EQ(e.PixelEn(0, 380), QColor(Qt::black));  // top of the detector circle
  EXPECT_EQ(e.PixelEn(0, 390), QColor(Qt::black));  // graduation at 90°
  EXPECT_EQ(e.PixelEn(0, 200), QColor(Qt::white));
  EXPECT_EQ(e.PixelEn(-430, 20), QColor(Qt::black));  // the source
  // The crystal: a square of side 30 turned by 2.5°, its corner near (15, 15).
  const double c = std::cos(6.2832 * 2.5 / 360), s = std::sin(6.2832 * 2.5 / 360);
  EXPECT_EQ(e.PixelEn(15 * c - 15 * s, 15 * s + 15 * c), QColor(Qt::black));

  v.graf->show();
  v.Pulsa("Barrido_Lanzar");
  v.Pulsa("Menu_Fichero_Salir");
  EXPECT_FALSE(v.graf->Reloj.isActive());
  EXPECT_FALSE(v.graf->isVisible());
  EXPECT_TRUE(v.dialogos.mensajes.empty());
}

// Each button runs its command, the separator nothing; started where the
// images are missing, the buttons show the program's own.
TEST(Graf, ToolbarButtonsRunTheirCommandsWithTheProgramsImages) {
  QTemporaryDir vacio;
  const QString antes = QDir::currentPath();
  QDir::setCurrent(vacio.path());
  Ventana v;
  QDir::setCurrent(antes);
  EXPECT_EQ(QString::fromStdString(v.estado.DirectorioInicial), QDir::toNativeSeparators(vacio.path()));
  Graf& g = *v.graf;
  const QList<QAction*> botones = g.Toolbar1->actions();
  ASSERT_EQ(botones.size(), 7);
  ASSERT_TRUE(botones[0]->isSeparator());
  for (int i = 1; i <= 6; ++i) {
    const QImage imagen = botones[i]->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_FALSE(imagen.isNull()) << i;
    EXPECT_EQ(qAlpha(imagen.pixel(0, 0)), 0) << i;  // light grey is transparent
  }
  for (int i : {0, 1, 2, 3, 5}) g.Toolbar1->actionTriggered(botones[i]);
  ASSERT_EQ(v.dialogos.ficherosPedidos.size(), 2u);
  EXPECT_FALSE(v.dialogos.ficherosPedidos[0].salvar);
  EXPECT_TRUE(v.dialogos.ficherosPedidos[1].salvar);
  EXPECT_EQ(v.dialogos.modalesVistos, std::vector<QString>{"Cristal"});
  EXPECT_TRUE(g.Reloj.isActive());
  g.Toolbar1->actionTriggered(botones[6]);
  EXPECT_FALSE(g.Reloj.isActive());
}

}  // namespace
}  // namespace varlek
