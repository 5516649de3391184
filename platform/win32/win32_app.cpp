// The Windows platform: the plug-in's services inside the host's process.
#include "cabrillo/cabrillo_export.h"
#include "platform/win32/profile_settings_store.h"
#include "platform/win32/win32_text_files.h"
#include "platform/win32/win32_user_interface.h"
#include "plugin/plugin_app.h"

namespace {

// The operator window is not built yet.
class NoOperatorWindow : public OperatorWindowLink {
  public:
    bool is_open() override { return false; }
    void post_refresh() override {}
    void start() override {}
    void close_all() override {}
};

struct WindowsPlatform {
    ProfileSettingsStore settings{kSettingsFile, kSettingsSection};
    Win32TextFiles files;
    Win32UserInterface ui;
    NoOperatorWindow operator_window;
    CabrilloExport cabrillo{settings, ui, files};
    CTestApp app{{settings, files, ui, operator_window, cabrillo}};
};

}  // namespace

CTestApp& theApp() {
    static WindowsPlatform platform;
    return platform.app;
}
