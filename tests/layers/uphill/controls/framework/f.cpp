#include "formats/a.h"
#include "framework/g.h"
#include "play/p.h"
