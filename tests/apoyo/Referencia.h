#pragma once
// Pictures compared with stored references: a whole window or drawing
// surface against tests/referencias/<nombre>.png, pixel by pixel. Run the
// tests with VARLEK_REFERENCIAS=escribir to store what they draw as the new
// references (and look at them before committing).

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

class QWidget;

namespace varlek::prueba {

::testing::AssertionResult ComoReferencia(const QImage& imagen, const QString& nombre);
// What the widget shows, drawn as the screen would; fails too when a label or
// button of it is smaller than its text needs.
::testing::AssertionResult ComoReferencia(QWidget& ventana, const QString& nombre);
// The labels and buttons of a window that are smaller than their own size
// hint, so that their caption is cut: "nombre: 40×19 < 52×19", one each.
QStringList Recortados(const QWidget& ventana);

}  // namespace varlek::prueba
