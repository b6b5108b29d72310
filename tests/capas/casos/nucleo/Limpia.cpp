#include "nucleo/Limpia.h"
#include <string>
