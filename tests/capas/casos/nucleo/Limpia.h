#pragma once
#include <queue>
#include "nucleo/Limpia.h"
