// Reads a contest log in ADIF or Cabrillo 3.0, told apart by the content.
#pragma once

#include <string_view>

#include "tools/torv-score/contest_log_file.h"

// True when the text is a Cabrillo log (its first non-blank line starts "START-OF-LOG:").
bool looks_like_cabrillo(std::string_view text);

// Never throws for any content: what cannot be read is listed in `skipped`.
ContestLogFile read_contest_log(std::string_view text);
ContestLogFile read_adif_log(std::string_view text);
ContestLogFile read_cabrillo_log(std::string_view text);
