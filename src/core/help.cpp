#include "help.h"
