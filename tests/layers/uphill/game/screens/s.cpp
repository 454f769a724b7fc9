#include "editor/e.h"
#include "widgets/w.h"
