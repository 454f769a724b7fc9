#include "screens/s.h"
#include "editor/e.h"
#include "knowledge/programinfo.h"
#include "framework/f.h"
