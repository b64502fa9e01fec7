// Must not compile: the main window sits below the program's start-up.
#include "app/window_start.h"
