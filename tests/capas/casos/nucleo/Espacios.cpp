  #  include "ui/Lienzo.h"
