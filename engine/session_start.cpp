#include "plugin/engine_calls.h"

// Not built yet.
int ResetStats(CTestApp&, const SessionStartArgs&) {
    return 1;
}
