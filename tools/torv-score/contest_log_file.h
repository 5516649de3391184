// A contest log as read from a file, whatever its format: the QSOs in log order, each ready to
// be handed to the plug-in as the host would, and the records that could not be read.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "engine/ole_date_time.h"

struct LogQso {
    std::size_t record_number = 0;  // 1-based place among the log's records, for messages
    std::string call;
    std::string band;  // "20m" and so on, as the log gives it or as its frequency implies
    std::string mode;  // the host's mode text: "CW", "SSB", "RTTY", "BPSK63", or as given
    unsigned frequency_hz = 0;
    OleDateTime time;
    std::string report_sent, report_received;
    std::string exchange_sent, exchange_received;
    std::string station_call;  // the own call the log names for this QSO, if any
};

struct SkippedRecord {
    std::size_t record_number = 0;
    std::string reason;  // for a person: what could not be read
};

struct ContestLogFile {
    enum class Format { adif, cabrillo };
    Format format = Format::adif;
    std::vector<LogQso> qsos;
    std::vector<SkippedRecord> skipped;
    std::string own_call;  // the log's own call: Cabrillo CALLSIGN, or the first QSO's
    // The Cabrillo header lines as tag and value, in file order (empty for ADIF).
    std::vector<std::pair<std::string, std::string>> header;
    // What was wrong outside any record (a broken ADIF header), for a person.
    std::vector<std::string> warnings;
};
