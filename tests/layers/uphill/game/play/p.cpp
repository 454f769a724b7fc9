#include "p.h"
#include "knowledge/k.h"
#include "../widgets/w.h"
