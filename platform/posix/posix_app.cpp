#include "platform/posix/posix_app.h"

#include "cabrillo/cabrillo_export.h"
#include "platform/posix/console_user_interface.h"
#include "platform/posix/ini_settings_store.h"
#include "platform/posix/posix_text_files.h"

namespace {

// There is no operator window in the native build.
class NoOperatorWindow : public OperatorWindowLink {
  public:
    bool is_open() override { return false; }
    void post_refresh() override {}
    void start() override {}
    void close_all() override {}
};

// Forwards to the console or to the interface a host program installed.
class SwitchableUserInterface : public UserInterface {
  public:
    void message_box(std::string_view text, std::optional<std::string_view> caption,
                     MessageIcon icon) override {
        target().message_box(text, caption, icon);
    }
    bool edit_cabrillo_header(CabrilloDialogFields& fields) override {
        return target().edit_cabrillo_header(fields);
    }
    UserInterface* installed = nullptr;

  private:
    UserInterface& target() { return installed ? *installed : console_; }
    ConsoleUserInterface console_;
};

struct NativePlatform {
    IniSettingsStore settings{kSettingsFile, kSettingsSection};
    PosixTextFiles files;
    SwitchableUserInterface ui;
    NoOperatorWindow operator_window;
    CabrilloExport cabrillo{settings, ui, files};
    CTestApp app{{settings, files, ui, operator_window, cabrillo}};
};

NativePlatform& native_platform() {
    static NativePlatform platform;
    return platform;
}

}  // namespace

CTestApp& theApp() {
    return native_platform().app;
}

void set_native_user_interface(UserInterface* ui) {
    native_platform().ui.installed = ui;
}
