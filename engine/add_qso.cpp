#include "plugin/engine_calls.h"

// Not built yet.
int AddQso(CTestApp&, const QsoArgs&) {
    return 0;
}
