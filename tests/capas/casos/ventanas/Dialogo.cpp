#include "app/Ventana.h"
