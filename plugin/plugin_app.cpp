#include "plugin/plugin_app.h"

int CTestApp::ExitInstance() {
    operator_window().close_all();
    return 0;
}
