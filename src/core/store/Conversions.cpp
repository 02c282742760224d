#include "store/Conversions.h"
