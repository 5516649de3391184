// The arguments of the exports as the engine uses them: null texts already turned into empty
// texts and the host's date-time objects into values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/ole_date_time.h"

// AddData0 and RemoveData0.
struct QsoArgs {
    std::string own_call;
    std::string call;
    OleDateTime qso_time;
    std::uint32_t frequency_hz = 0;
    std::string mode;
    std::string report_sent;
    std::string report_received;
    std::string exchange_sent;
    std::string exchange_received;
    std::string country;
    std::string continent;
    std::string band;
};

// ResetStats0.
struct SessionStartArgs {
    std::string host_folder;
    int export_request = 0;
    std::string own_call;
    OleDateTime contest_start;
    OleDateTime contest_end;
    std::string own_country;
    std::string own_continent;
};

// CheckCall0. The two band texts stay absent when the host passed null pointers, because the
// comparison of the two is skipped then.
struct CallCheckArgs {
    std::string call;
    std::string mode;
    std::string country;
    std::string continent;
    std::optional<std::string> band;
    std::optional<std::string> second_band;
};
