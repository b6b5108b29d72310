#include "../app/Ventana.h"
