// The bad-QSO report file: one line per QSO that was rejected or is a dupe, after a title line.
// Lines end with CR LF on every platform, so that a session writes the same bytes everywhere.
#pragma once

#include <cstdint>
#include <string>

#include "engine/ole_date_time.h"
#include "plugin/text_files.h"

inline constexpr const char* kBadQsoTitle = "TORV Contest UBN file ";
inline constexpr const char* kBadQsoLineEnd = "\r\n";

// Why a QSO got a report line; the line ends with the reason's text.
enum class BadQsoReason { wrong_band, wrong_mode, no_rx_number, dupe };
const char* reason_text(BadQsoReason reason);

// The host's texts of one QSO as its report line shows them.
struct BadQsoFields {
    std::uint32_t frequency_hz = 0;
    std::string mode;
    OleDateTime qso_time;
    std::string own_call;
    std::string report_sent;
    std::string exchange_sent;
    std::string call;
    std::string report_received;
    std::string exchange_received;
};

// "BadQSO_StatsTORV_dd_mm_yyyy.txt" for the contest end.
std::string BadQsoFileName(const OleDateTime& contest_end);

// The date and time of a QSO as its report line writes them.
std::string bad_qso_time_text(const OleDateTime& qso_time);

// One report line without its line end. A control character in a text is written as a blank,
// so that no text can break the file's line structure.
std::string bad_qso_line(const BadQsoFields& fields, BadQsoReason reason);

// Creates (or empties) the file and writes the title line.
void CreateBadQsoReport(TextFiles& files, const std::string& file_name);

// Appends one line; an empty line adds nothing but still creates a missing file.
void AppendBadQsoLine(TextFiles& files, const std::string& file_name, const std::string& line);

// Takes the lines of a removed QSO out: every line that holds the call as a whole word
// (letter case ignored) and the QSO's date and time. Writes the title line first and keeps the
// other lines in their order.
void RemoveBadQsoLines(TextFiles& files, const std::string& file_name, const std::string& call,
                       const OleDateTime& qso_time);

// The number of bad QSOs the report lists (rejected QSOs; dupes and the title do not count).
int CountBadQsos(TextFiles& files, const std::string& file_name);
