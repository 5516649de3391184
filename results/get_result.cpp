#include "plugin/engine_calls.h"

// Not built yet.
const char* GetResult(CTestApp& app, int*) {
    auto session = app.session().access();
    session->result_text.clear();
    return session->result_text.c_str();
}
