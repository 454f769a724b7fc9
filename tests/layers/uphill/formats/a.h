#include "formats/b.h"
#include <QString>
#include "knowledge/ui.h"
