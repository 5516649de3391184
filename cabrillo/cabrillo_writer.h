// The Cabrillo 3.0 file as text: the file name, the QSO lines and the whole file. Free of any
// window or file access, so that whoever holds the data can build the text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cabrillo/cabrillo_header.h"
#include "engine/ole_date_time.h"

// The own call with "/" and "\" made "_" and the blanks around it removed; "QLVX" when
// nothing is left.
std::string CabrilloFileBaseName(std::string_view own_call);

// One "QSO:" line with its CR LF line end. Fields are padded to their columns, never cut.
struct CabrilloQso {
    std::string_view own_call;
    std::string_view worked_call;
    std::uint32_t frequency_khz = 0;
    std::string_view mode_abbreviation;
    OleDateTime time;
    std::string_view sent_report;
    std::string_view sent_exchange;
    std::string_view received_report;
    std::string_view received_exchange;
};
std::string FormatQsoLine(const CabrilloQso& qso);

// The whole file: the header lines, the QSO lines as given, and the end line.
std::string CabrilloFileText(const CabrilloHeader& header,
                             const std::vector<std::string>& qso_lines,
                             std::string_view host_version);

// The text without control characters: a value that belongs on one line of the file must not
// break it.
std::string OneLine(std::string_view text);
