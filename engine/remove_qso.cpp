#include "plugin/engine_calls.h"

// Not built yet.
int RemoveQso(CTestApp&, const QsoArgs&) {
    return 1;
}
