#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <QToolBar>
#include <vector>

#include "apoyo/Entorno.h"
#include "apoyo/Referencia.h"

namespace varlek {
namespace {

using prueba::Ventana;

// The menus and the window at start-up; "Salir" ends a running scan at once.
TEST(Graf, StartUpMenusAndWindowAndSalirEndsARunningScan) {
  Ventana v;
  // The window as it opens: menus, toolbar, schematic and the default range's labels.
  EXPECT_TRUE(prueba::ComoReferencia(*v.graf, "principal"));

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
