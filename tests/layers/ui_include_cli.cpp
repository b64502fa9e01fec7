// Must not compile: the main window sits below the command line.
#include "cli/command_line.h"
