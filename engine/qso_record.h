// One QSO of the contest log as the engine keeps it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/ole_date_time.h"

class CInfo {
  public:
    std::string worked_call;
    std::string worked_country;
    std::string worked_continent;
    std::string band;        // the band table's spelling, such as "20m"
    std::string mode_class;  // "CW", "SSB", "DIGI" or the mode itself
    std::string mode;        // the mode table's spelling, such as "RTTY"
    std::string received_report;
    std::string sent_report;
    std::string received_exchange;  // a serial number padded to three digits
    std::string sent_exchange;
    std::string multiplier_key;  // upper-cased ICAO code, empty for a serial number
    int not_counted = 0;         // 1 for a dupe
    int dupe = 0;                // 1 for a dupe
    std::uint32_t frequency_khz = 0;
    OleDateTime qso_time;
};

// The QSOs of one session in arrival order.
using ContestLog = std::vector<CInfo>;
