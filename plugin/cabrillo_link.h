// How the session start and the result reach the Cabrillo export.
#pragma once

#include <cstdint>
#include <string>

#include "engine/ole_date_time.h"

class CabrilloLink {
  public:
    virtual ~CabrilloLink() = default;
    // Fills the header from the settings and lets the operator confirm it; true on OK.
    virtual bool SetUpHeader(const std::string& own_call, const OleDateTime& contest_start,
                             const OleDateTime& contest_end) = 0;
    // Formats one "QSO:" line and keeps it for the next file.
    virtual void AddQsoLine(const std::string& worked_call, std::uint32_t frequency_khz,
                            const std::string& mode_abbreviation, const OleDateTime& qso_time,
                            const std::string& sent_report, const std::string& sent_exchange,
                            const std::string& received_report,
                            const std::string& received_exchange) = 0;
    // Writes the file and returns the text that tells the operator about it.
    virtual std::string WriteCabrilloFile(const std::string& host_version) = 0;
};
