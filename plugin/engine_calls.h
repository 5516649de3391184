// The work behind each export; every function runs on the host's thread and takes the session
// lock itself.
#pragma once

#include <string_view>

#include "plugin/export_args.h"
#include "plugin/plugin_app.h"

int ResetStats(CTestApp& app, const SessionStartArgs& args);    // engine/session_start.cpp
int AddQso(CTestApp& app, const QsoArgs& args);                 // engine/add_qso.cpp
int RemoveQso(CTestApp& app, const QsoArgs& args);              // engine/remove_qso.cpp
int IsValidExchange(CTestApp& app, std::string_view exchange);  // engine/exchange_check.cpp
int CheckCall(CTestApp& app, const CallCheckArgs& args);        // results/call_check.cpp
const char* GetResult(CTestApp& app, int* status);              // results/get_result.cpp
