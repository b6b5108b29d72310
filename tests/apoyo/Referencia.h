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
// What the widget shows, drawn as the screen would.
::testing::AssertionResult ComoReferencia(QWidget& ventana, const QString& nombre);

}  // namespace varlek::prueba
