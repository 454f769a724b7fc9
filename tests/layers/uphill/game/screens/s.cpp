#include "widgets/w.h"
#include "editor/e.h"
