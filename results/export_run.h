// The export run's part of a result: the log handed to the Cabrillo writer, the file written
// and the operator told about it.
#pragma once

#include <string>

#include "plugin/plugin_app.h"

// "CW", "PH", "RY", "PM" or "??" for a record's class and mode.
std::string CabrilloModeAbbreviation(const CInfo& qso);

// Hands every record to the Cabrillo writer, writes the file, shows the writer's report in the
// "Output" box and, once the operator closed it, writes -1 through status when it is not null.
// Must be called without the session lock: the box waits for the operator.
void ExportLog(CTestApp& app, const ContestLog& log, const std::string& host_version, int* status);
