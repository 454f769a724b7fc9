#include "formats/a.h"
#include "play/p.h"
