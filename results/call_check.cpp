#include "plugin/engine_calls.h"

// Not built yet.
int CheckCall(CTestApp&, const CallCheckArgs&) {
    return 1;
}
