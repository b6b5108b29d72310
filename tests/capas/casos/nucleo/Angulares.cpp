#include <vector>
#include <app/Ventana.h>
