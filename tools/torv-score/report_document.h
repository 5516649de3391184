// The standalone report torv-score writes for a person: the result table, the bad QSOs, the
// multipliers worked per band and mode class and a chart of QSOs per hour by band. One HTML5
// document in UTF-8 with the chart as inline SVG.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/ole_date_time.h"
#include "engine/qso_record.h"
#include "results/score_sheet.h"

struct ReportInput {
    std::string title;  // "TORV Contest 01.02-03.02.2008"
    std::string own_call;
    std::string log_name;  // the scored file, as the user named it
    const ScoreSheet& sheet;
    const ContestLog& log;                   // the QSOs the plug-in stored
    std::vector<std::string> bad_qso_lines;  // the report file's lines after its title
    OleDateTime contest_start, contest_end;
    std::size_t skipped_records = 0;
};

std::string report_document(const ReportInput& input);

// QSOs that count (no dupes) per hour from the first hour of the period, per band slot.
struct HourlyCounts {
    OleDateTime first_hour =
        OleDateTime::null();  // the start of hour 0, null when there is nothing to chart
    std::vector<std::vector<int>> by_band;  // [band slot][hour]
    std::size_t outside = 0;                // QSOs with no valid time or beyond the chart
};
HourlyCounts count_qsos_per_hour(const ContestLog& log, OleDateTime start, OleDateTime end);

// Texts of the log are 8-bit (Windows-1252); the report is UTF-8 with markup escaped and
// control characters shown as blanks.
std::string html_text(std::string_view text);
