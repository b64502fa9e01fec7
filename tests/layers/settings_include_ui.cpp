// Compiled only by the layers test, which expects the second include to fail.
#include "settings/form2.h"
#include "ui/form1.h"
