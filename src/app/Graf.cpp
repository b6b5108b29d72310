#include "app/Graf.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QToolBar>

#include "ui/Controles.h"
#include "ui/Dialogos.h"
#include "ui/EtiquetaPulsable.h"
#include "ui/GraficaEspectro.h"
#include "ui/Lienzo.h"
#include "ui/SuperficieVentana.h"

namespace varlek {

using ui::Tw;
using ui::TwRect;

namespace {
// The toolbar: key (also the image's key), tooltip, and the handler of the
// menu item whose command it runs.
struct Boton {
  const char* clave;
  const char* tooltip;
  void (Graf::*handler)();
};
const Boton kBotones[] = {
    {"abrir", "Abrir archivo", &Graf::Menu_Fichero_Cargar_Click},
    {"guardar", "Guardar archivo", &Graf::Menu_Fichero_Salvar_Click},
    {"param", "Fijar parámetros del cristal", &Graf::Menu_Parametros_Click},
    {"cristal", "Mostrar estructura", &Graf::Cristal_Mostrar_Click},
    {"lanzar", "Lanzar barrido", &Graf::Barrido_Lanzar_Click},
    {"parar", "Detener barrido", &Graf::Barrido_Detener_Click},
};

// The image store: file name and key, in the order they are stored.
constexpr std::pair<const char*, const char*> kImagenes[] = {
    {"open.bmp", "abrir"},  {"save.bmp", "guardar"},    {"lanzar.bmp", "lanzar"},
    {"param.bmp", "param"}, {"cristal.bmp", "cristal"}, {"parar.bmp", "parar"},
};

// A submenu of the menu bar or of a menu, named as its menu item.
template <typename Padre>
QMenu* Submenu(Padre* padre, const char* nombre, const QString& titulo) {
  QMenu* menu = padre->addMenu(titulo);
  menu->setObjectName(nombre);
  menu->menuAction()->setObjectName(nombre);
  return menu;
}

// A menu item that runs a handler of the main window.
void Item(Graf* ventana, QMenu* menu, const char* nombre, const QString& titulo, void (Graf::*handler)()) {
  QAction* accion = menu->addAction(titulo);
  accion->setObjectName(nombre);
  QObject::connect(accion, &QAction::triggered, ventana, [ventana, handler] { (ventana->*handler)(); });
}

// The image store: the bitmaps from the working directory (the built-in
// copy of one that is not there), grey (192, 192, 192) transparent.
void CargaImagenes(QStringList& claves, QMap<QString, QPixmap>& imagenes) {
  claves.clear();
  imagenes.clear();
  for (const auto& [fichero, clave] : kImagenes) {
    QPixmap imagen(QDir::current().filePath(fichero));
    if (imagen.isNull()) imagen = QPixmap(QString(":/imagenes/") + fichero);
    if (!imagen.isNull()) imagen.setMask(imagen.createMaskFromColor(QColor(192, 192, 192)));
    claves << clave;
    imagenes.insert(clave, imagen);
  }
}

void CreaBarra(QToolBar& barra, const QMap<QString, QPixmap>& imagenes) {
  barra.clear();
  barra.addSeparator();
  for (const Boton& boton : kBotones) {
    QAction* accion = barra.addAction(QIcon(imagenes.value(boton.clave)), QString());
    accion->setObjectName(QString("Toolbar1_") + boton.clave);
    accion->setData(QString(boton.clave));
    accion->setToolTip(boton.tooltip);
    accion->setWhatsThis(accion->toolTip());
  }
}

}  // namespace

Graf::Graf(Estado& estado, ui::Dialogos& dialogos, QWidget* padre)
    : QMainWindow(padre), estado_(estado), dialogos_(dialogos) {
  setObjectName("Graf");
  setWindowTitle("Simulacion de la difracción de Rayos X");
  CreaControles();
  CreaMenus();
  Reloj.setObjectName("Reloj");
  Reloj.setInterval(25);
  Reloj.setTimerType(Qt::PreciseTimer);
  connect(&Reloj, &QTimer::timeout, this, &Graf::Reloj_Timer);
}

Graf::~Graf() = default;

void Graf::CreaControles() {
  Superficie = new ui::SuperficieVentana(this);
  Superficie->setObjectName("Superficie");
  Superficie->FijaColores(ui::kFondoDialogo, QColor(0, 0, 128));
  setCentralWidget(Superficie);
  // The controls reach 11775 twips to the right and 7935 down: open large
  // enough for the whole plot to show.
  Superficie->setMinimumSize(Tw(11775 + 450), Tw(7935 + 150));

  Toolbar1 = new QToolBar(Superficie);
  Toolbar1->setObjectName("Toolbar1");
  Toolbar1->setGeometry(TwRect(0, 0, 10860, 420));
  Toolbar1->setMovable(false);
  Toolbar1->setIconSize(QSize(16, 16));
  connect(Toolbar1, &QToolBar::actionTriggered, this,
          [this](QAction* accion) { Toolbar1_ButtonClick(accion->data().toString()); });

  Frame1 = new QGroupBox("Guión", Superficie);
  Frame1->setObjectName("Frame1");
  Frame1->setGeometry(TwRect(360, 960, 1935, 1935));
  // The frame's inside in the window's own colour (the style would shade it)
  // and its caption bold, on the frame's top line.
  Frame1->setFont(ui::Fuente("Comic Sans MS", 9.75, true));
  Frame1->setStyleSheet(
      "QGroupBox#Frame1 { background-color: rgb(255, 224, 192); border: 1px solid rgb(160, 160, 160);"
      " margin-top: 8px; color: rgb(0, 0, 255); }"
      "QGroupBox#Frame1::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }");

  const QFont arial = ui::Fuente("Arial", 9);
  const QColor azul(0, 0, 255);
  Label3 = ui::Etiqueta(Frame1, "Label3", "1) Introducción", TwRect(240, 720, 1455, 255), arial, azul);
  Label4 = ui::Etiqueta(Frame1, "Label4", "2) Programa", TwRect(240, 1080, 1455, 255), arial, azul);
  Label5 = ui::Etiqueta(Frame1, "Label5", "3) Simulaciones", TwRect(240, 1440, 1455, 255), arial, azul);
  Label6 = ui::Etiqueta(Frame1, "Label6", "Acerca de ...", TwRect(720, 360, 1095, 375),
                        ui::Fuente("Arial", 9, false, true), QColor(0, 128, 0));
  ui::HazPulsable(*Label3, [this] { Label3_Click(); });
  ui::HazPulsable(*Label4, [this] { Label4_Click(); });
  ui::HazPulsable(*Label5, [this] { Label5_Click(); });
  ui::HazPulsable(*Label6, [this] { Label6_Click(); });

  const QFont sansNegrita = ui::Fuente("MS Sans Serif", 8.25, true);
  Esquema = new ui::Lienzo(Superficie);
  Esquema->setObjectName("Esquema");
  Esquema->setGeometry(TwRect(2760, 480, 7215, 3615));
  Esquema->setFont(sansNegrita);
  Graf_Espectro = new ui::Lienzo(Superficie);
  Graf_Espectro->setObjectName("Graf_Espectro");
  Graf_Espectro->setGeometry(ui::RectGrafica());
  Graf_Espectro->setFont(sansNegrita);
  Graf_Espectro->FijaColorFondo(ui::kFondoGrafica);
  Graf_Espectro->AlPulsar = [this](int boton, float x, float y) { Graf_Espectro_MouseDown(boton, 0, x, y); };

  const auto rotulo = [this](const ui::Rotulo& r) {
    return ui::Etiqueta(Superficie, r.nombre, r.texto, r.rect, ui::FuenteRotulos(), ui::kColorRotulos);
  };
  Label2 = rotulo(ui::RotuloIntensidad());
  Label1 = rotulo(ui::RotuloAngulo());

  PuntY = ui::CajaLectura(Superficie, "PuntY", TwRect(120, 6360, 615, 285));
  PuntX = ui::CajaLectura(Superficie, "PuntX", TwRect(120, 6840, 615, 285));
}

void Graf::CreaMenus() {
  QMenu* fichero = Submenu(menuBar(), "Menu_Fichero", "Fichero");
  Item(this, fichero, "Menu_Fichero_Salvar", "Salvar", &Graf::Menu_Fichero_Salvar_Click);
  Item(this, fichero, "Menu_Fichero_Cargar", "Cargar", &Graf::Menu_Fichero_Cargar_Click);
  Item(this, fichero, "Menu_Fichero_Salir", "Salir", &Graf::Menu_Fichero_Salir_Click);

  QMenu* cristal = Submenu(menuBar(), "Menu_Cristal", "Cristal");
  Item(this, cristal, "Menu_Parametros", "Parámetros", &Graf::Menu_Parametros_Click);
  Item(this, cristal, "Cristal_Mostrar", "Mostrar estructura", &Graf::Cristal_Mostrar_Click);
  Item(this, cristal, "Cristal_Girar", "Girar", &Graf::Cristal_Girar_Click);
  QMenu* problema = Submenu(cristal, "Cristal_Problema", "Cristales problema");
  QMenu* planos = Submenu(problema, "Cristales_Planos", "Cristales planos");
  Item(this, planos, "Cristal_1", "Cristal 1", &Graf::Cristal_1_Click);
  Item(this, planos, "Cristal_2", "Cristal 2", &Graf::Cristal_2_Click);
  Item(this, planos, "Cristal_3", "Cristal 3", &Graf::Cristal_3_Click);
  Item(this, planos, "Cristal_4", "Cristal 4", &Graf::Cristal_4_Click);
  Item(this, planos, "Cristal_5", "Cristal 5", &Graf::Cristal_5_Click);
  QMenu* polvo = Submenu(problema, "Cristal_Problema_Polvo", "Difractogramas de polvo");
  Item(this, polvo, "Muestra1", "Muestra 1", &Graf::Muestra1_Click);
  Item(this, polvo, "Muestra2", "Muestra 2", &Graf::Muestra2_Click);
  Item(this, polvo, "Muestra3", "Muestra 3", &Graf::Muestra3_Click);
  Item(this, cristal, "Cerrar_Problema", "Cerrar problema", &Graf::Cerrar_Problema_Click);

  QMenu* barrido = Submenu(menuBar(), "Menu_Barrido", "Barrido");
  Item(this, barrido, "Barrido_LambdaX", "Longitud de onda RX", &Graf::Barrido_LambdaX_Click);
  Item(this, barrido, "Barrido_Limites", "Límites", &Graf::Barrido_Limites_Click);
  Item(this, barrido, "Barrido_Lanzar", "Lanzar", &Graf::Barrido_Lanzar_Click);
  Item(this, barrido, "Barrido_Detener", "Detener", &Graf::Barrido_Detener_Click);
  Item(this, barrido, "Barrido_Inicializar", "Inicializar", &Graf::Barrido_Inicializar_Click);

  QMenu* grafica = Submenu(menuBar(), "Menu_Grafica", "Gráfica");
  Item(this, grafica, "Menu_Borrar", "Borrar", &Graf::Menu_Borrar_Click);
  Item(this, grafica, "Menu_Dibujar", "Volver a dibujar", &Graf::Menu_Dibujar_Click);
  Item(this, grafica, "Menu_Suavizar", "Suavizar", &Graf::Menu_Suavizar_Click);
  Item(this, grafica, "Menu_Multiplicar", "Multiplicar", &Graf::Menu_Multiplicar_Click);
  Item(this, grafica, "Grafica_Sumar", "Sumar Registro X", &Graf::Grafica_Sumar_Click);

  QMenu* registros = Submenu(menuBar(), "Menu_Registros", "Registros");
  QMenu* copiarEn = Submenu(registros, "Menu_Copiar_En", "Copiar en...");
  Item(this, copiarEn, "CopiarEnX", "Registro X", &Graf::CopiarEnX_Click);
  Item(this, copiarEn, "CopiarEnY", "Registro Y", &Graf::CopiarEnY_Click);
  Item(this, copiarEn, "CopiarEnZ", "Registro Z", &Graf::CopiarEnZ_Click);
  QMenu* copiarDesde = Submenu(registros, "Menu_Copiar_Desde", "Copiar desde...");
  Item(this, copiarDesde, "CopiarDesdeX", "Registro X", &Graf::CopiarDesdeX_Click);
  Item(this, copiarDesde, "CopiarDesdeY", "Registro Y", &Graf::CopiarDesdeY_Click);
  Item(this, copiarDesde, "CopiarDesdeZ", "Registro Z", &Graf::CopiarDesdeZ_Click);
  QMenu* mostrar = Submenu(registros, "Menu_Mostrar", "Mostrar...");
  Item(this, mostrar, "MostrarX", "Registro X", &Graf::MostrarX_Click);
  Item(this, mostrar, "MostrarY", "Registro Y", &Graf::MostrarY_Click);
  Item(this, mostrar, "MostrarZ", "Registro Z", &Graf::MostrarZ_Click);
  QMenu* salvar = Submenu(registros, "Menu_Registros_Salvar", "Salvar...");
  Item(this, salvar, "Salvar_RegistroX", "Registro X", &Graf::Salvar_RegistroX_Click);
  Item(this, salvar, "Salvar_RegistroY", "RegistroY", &Graf::Salvar_RegistroY_Click);
  Item(this, salvar, "Salvar_RegistroZ", "Registro Z", &Graf::Salvar_RegistroZ_Click);
}

void Graf::Form_Load() {
  CargaImagenes(ImageList1Claves, ImageList1);
  CreaBarra(*Toolbar1, ImageList1);
  IniciaBarrido();
  estado_.DirectorioInicial = QDir::toNativeSeparators(QDir::currentPath()).toStdString();
}

void Graf::Form_Paint() {
  Superficie->Limpia();
  DibujaEjes();
}

void Graf::Toolbar1_ButtonClick(const QString& clave) {
  for (const Boton& boton : kBotones) {
    if (clave == boton.clave) {
      (this->*boton.handler)();
      return;
    }
  }
}

void Graf::Menu_Fichero_Salir_Click() { close(); }

void Graf::closeEvent(QCloseEvent* evento) {
  Reloj.stop();
  evento->accept();
  QApplication::closeAllWindows();
  QCoreApplication::exit(0);
}

}  // namespace varlek
