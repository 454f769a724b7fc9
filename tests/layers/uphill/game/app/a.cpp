#include "editor/e.h"
#include "framework/f.h"
#include "knowledge/programinfo.h"
#include "screens/s.h"
