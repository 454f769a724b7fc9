#include "p.h"
#include "../widgets/w.h"
#include "knowledge/k.h"
