// The session start's decision about the operator window and the "Start" setting.
#pragma once

#include <optional>
#include <string>

// Host versions whose operator window must not be started by the plug-in.
bool host_version_without_window(const std::string& host_version);

struct OperatorWindowDecision {
    bool start_window = false;
    std::optional<int> start_setting;  // the value to write to "Start", if any
};

// "Start" set (non-zero) skips one session start and is cleared; "Start" clear opens the window
// when none is open and sets it. An export run has set "Start" already before this is asked.
OperatorWindowDecision decide_operator_window(int start_setting, bool window_open,
                                              const std::string& host_version);
