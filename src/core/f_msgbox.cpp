#include "f_msgbox.h"
