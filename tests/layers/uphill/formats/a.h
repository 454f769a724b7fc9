#include "formats/b.h"
#include "knowledge/ui.h"
#include <QString>
