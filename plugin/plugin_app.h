// The application object: the one contest session of the loaded plug-in and the services of
// the platform it runs on.
#pragma once

#include "plugin/cabrillo_link.h"
#include "plugin/operator_window_link.h"
#include "plugin/session.h"
#include "plugin/settings_store.h"
#include "plugin/text_files.h"
#include "plugin/user_interface.h"

struct PlatformServices {
    SettingsStore& settings;
    TextFiles& files;
    UserInterface& ui;
    OperatorWindowLink& operator_window;
    CabrilloLink& cabrillo;
};

class CTestApp {
  public:
    explicit CTestApp(PlatformServices services) : services_(services) {}
    CTestApp(const CTestApp&) = delete;
    CTestApp& operator=(const CTestApp&) = delete;

    bool InitInstance() { return true; }
    int ExitInstance();

    Session& session() { return session_; }
    SettingsStore& settings() { return services_.settings; }
    TextFiles& files() { return services_.files; }
    UserInterface& ui() { return services_.ui; }
    OperatorWindowLink& operator_window() { return services_.operator_window; }
    CabrilloLink& cabrillo() { return services_.cabrillo; }

  private:
    PlatformServices services_;
    Session session_;
};

// The plug-in's application object, built by the platform layer.
CTestApp& theApp();
