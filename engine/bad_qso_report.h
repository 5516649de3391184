// The bad-QSO report file: one line per QSO that was rejected or is a dupe, after a title line.
#pragma once

#include <string>

#include "engine/ole_date_time.h"
#include "plugin/text_files.h"

// "BadQSO_StatsTORV_dd_mm_yyyy.txt" for the contest end.
std::string BadQsoFileName(const OleDateTime& contest_end);

// The number of bad QSOs the report lists (rejected QSOs; dupes and the title do not count).
int CountBadQsos(TextFiles& files, const std::string& file_name);
