#include "help_menu.h"
