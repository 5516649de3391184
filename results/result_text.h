// The result text in its two forms, built from the figures alone.
#pragma once

#include <string>

#include "results/score_sheet.h"

// The session texts the result shows above the table.
struct ResultHeader {
    std::string contest_start_text;  // "%d.%m" of the contest start
    std::string contest_end_text;    // "%d.%m.%Y" of the contest end
    std::string own_call;
};

// "   TORV Contest <start>-<end>".
std::string ResultTitle(const ResultHeader& header);

// The tab-separated table. The rate block is left out of an export run, whose rates are not
// counted.
std::string PlainResultText(const ResultHeader& header, const ScoreSheet& sheet, bool export_run);

// One HTML document on one line; texts of the host are escaped.
std::string HtmlResultText(const ResultHeader& header, const ScoreSheet& sheet);
