#include "plugin/engine_calls.h"

// Not built yet.
int IsValidExchange(CTestApp&, std::string_view) {
    return 0;
}
