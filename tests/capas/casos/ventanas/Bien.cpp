#include <QDialog>
#include "ui/Lienzo.h"
#include "nucleo/Limpia.h"
