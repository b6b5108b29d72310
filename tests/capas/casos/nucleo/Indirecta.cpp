#include "Dialogo.h"
