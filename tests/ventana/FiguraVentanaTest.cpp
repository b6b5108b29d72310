// varlek-figura against the main window: the figure of a scan is the
// window's plot after the same scan.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>

#include "apoyo/Comun.h"
#include "apoyo/Entorno.h"
#include "apoyo/Referencia.h"
#include "files/FicheroDatos.h"
#include "state/Numeros.h"
#include "ui/Lienzo.h"
#include "ui/SuperficieVentana.h"

namespace varlek {
namespace {

using prueba::Ventana;

int Figura(const QString& argumentos) {
  return std::system((VARLEK_FIGURA " " + argumentos + " 2>/dev/null").toLocal8Bit().constData());
}

// The PNG is, pixel for pixel, the part of the window around the plot (the
// readouts and the schematic's bottom edge hidden): frame, ticks, labels, captions and curve. The same scan
// as a table has a header and 401 rows; a damaged spectrum writes nothing.
TEST(FiguraVentana, TheFigureOfAScanIsTheWindowsPlot) {
  Ventana v;
  prueba::CristalDePrueba(v.estado);
  v.Pulsa("Barrido_Lanzar");
  v.Pasos();
  QTemporaryDir carpeta;
  const QString datos = carpeta.filePath("barrido.ASC"), png = carpeta.filePath("barrido.png");
  SalvaDatos(datos.toStdString(), DatosDePantalla(v.estado));
  ASSERT_EQ(Figura("-o " + png + " " + datos), 0);
  const QImage figura(png);
  ASSERT_FALSE(figura.isNull());

  v.graf->PuntX->hide();
  v.graf->PuntY->hide();
  v.graf->Esquema->hide();  // its bottom edge reaches down beside the intensity caption
  const QImage ventana = v.graf->Superficie->grab(QRect(QPoint(0, 252), figura.size())).toImage();
  EXPECT_TRUE(prueba::ComoReferencia(ventana, "figura-barrido"));
  const QString distinta = QDir::temp().filePath("varlek-figura-barrido.png");
  const bool igual = figura.convertToFormat(QImage::Format_RGB32) == ventana.convertToFormat(QImage::Format_RGB32);
  EXPECT_TRUE(igual || (figura.save(distinta), false)) << "la figura no es la ventana: " << distinta.toStdString();

  const QString csv = carpeta.filePath("barrido.csv");
  ASSERT_EQ(Figura("-o " + csv + " " + datos), 0);
  const QList<QByteArray> filas = QByteArray::fromStdString(prueba::LeeFichero(csv.toStdString())).split('\n');
  ASSERT_EQ(filas.size(), 403);  // the header, 401 rows and nothing after the last line end
  EXPECT_EQ(filas[0], "\"Angulo de difracción\",\"barrido.ASC\"\r");
  EXPECT_EQ(filas[2], "5.25," + QByteArray::fromStdString(FormateaNumero(v.estado.Espectro[1]).substr(1)) + "\r");

  const QString corto = carpeta.filePath("corto.ASC"), salida = carpeta.filePath("nada.pdf");
  prueba::EscribeFichero(corto.toStdString(), "\r\n5\r\n105\r\n1\r\n");
  EXPECT_EQ(Figura("-o " + salida + " " + corto), 1 << 8);
  EXPECT_FALSE(QFile::exists(salida));
}

}  // namespace
}  // namespace varlek
