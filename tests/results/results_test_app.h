// A plug-in application on the real native settings and files in a fresh folder, with doubles
// for the operator window, the Cabrillo writer and the message boxes.
#pragma once

#include <chrono>
#include <future>

#include "platform/posix/ini_settings_store.h"
#include "platform/posix/posix_text_files.h"
#include "plugin/plugin_app.h"
#include "tests/results/log_builder.h"
#include "tests/results/service_doubles.h"
#include "tests/support/temp_folder.h"

struct ResultsTestApp {
    ResultsTestApp() { SetSessionTexts(*app.session().access()); }

    void add(const std::vector<LogEntry>& entries) {
        AppendToLog(*app.session().access(), entries);
    }

    // Whether another thread could take the session lock now: the operator window must never
    // wait behind a box that waits for the operator. A waiter that timed out is kept until the
    // fixture ends, when the lock is free again.
    bool session_lock_free() {
        lock_waiters.push_back(std::async(std::launch::async, [this] { app.session().access(); }));
        return lock_waiters.back().wait_for(std::chrono::seconds(2)) == std::future_status::ready;
    }

    TempFolder folder;
    IniSettingsStore settings{kSettingsFile, kSettingsSection};
    PosixTextFiles files;
    RecordingUserInterface ui;
    FakeOperatorWindow operator_window;
    RecordingCabrillo cabrillo;
    CTestApp app{{settings, files, ui, operator_window, cabrillo}};
    std::vector<std::future<void>> lock_waiters;  // ends before the app
};
