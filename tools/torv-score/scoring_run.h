// One scoring run: the scorer plays the host and hands the log to the plug-in's exported
// functions (ResetStats0, AddData0 for every QSO in log order, GetResult0), in the plug-in's
// folder, which is the current directory.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/ole_date_time.h"
#include "engine/qso_record.h"
#include "results/score_sheet.h"
#include "tools/torv-score/contest_log_file.h"
#include "tools/torv-score/country_file.h"

struct StationIdentity {
    std::string call, country, continent;
};

struct ScoringRequest {
    const ContestLogFile& log;
    StationIdentity own;
    const CountryFile& countries;
    OleDateTime contest_start, contest_end;
    bool html = false;
    bool cabrillo = false;
    bool report = false;                        // fill in the figures for the standalone report
    std::map<std::string, std::string> header;  // Cabrillo header options by name
    std::function<void(std::size_t done, std::size_t total)> progress;
};

struct ScoringOutcome {
    std::string result_text;            // as GetResult0 returned it
    int result_status = 0;              // what GetResult0 wrote through its status pointer
    std::vector<std::string> messages;  // the message boxes the plug-in showed, "caption: text"
    std::size_t qsos_accepted = 0;      // QSOs AddData0 stored
    std::vector<std::string> unresolved_calls;  // worked calls the country file does not know
    std::string bad_qso_file;                   // the report file, in the plug-in's folder
    // What the plug-in holds after the result, for the standalone report (only when asked).
    ContestLog log;
    ScoreSheet sheet;
    std::string contest_title;
};

ScoringOutcome score_log(const ScoringRequest& request);

// The earliest and latest valid QSO times of the log (null when there is none).
std::pair<OleDateTime, OleDateTime> log_time_span(const ContestLogFile& log);
