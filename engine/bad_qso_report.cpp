#include "engine/bad_qso_report.h"

// Not built yet.
std::string BadQsoFileName(const OleDateTime& contest_end) {
    return "BadQSO_StatsTORV_" + contest_end.Format("%d_%m_%Y") + ".txt";
}

int CountBadQsos(TextFiles&, const std::string&) { return 0; }
