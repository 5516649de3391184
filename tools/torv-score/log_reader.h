// Reads a contest log in ADIF or Cabrillo 3.0, told apart by the content.
#pragma once

#include <string_view>

#include "tools/torv-score/contest_log_file.h"

// True when the text is a Cabrillo log (its first non-blank line starts "START-OF-LOG:").
bool looks_like_cabrillo(std::string_view text);

// Never throws for any content: what cannot be read is listed in `skipped`.
ContestLogFile read_contest_log(std::string_view text);

// ADIF: a record without CALL, without a valid QSO_DATE and TIME_ON, or with neither a BAND
// nor a FREQ in a band is skipped, and so is a broken record. BAND is taken in the plan's
// spelling; an unknown BAND yields to the band of FREQ, or else is passed on as it stands.
// The contest's modes get the host's texts (SSB, USB, LSB give "SSB"; PSK with PSK63, and
// PSK63, give "BPSK63"); any other mode is passed on as its SUBMODE, the more specific text,
// or else its MODE. The own call is the station call of the first QSO that names one.
ContestLogFile read_adif_log(std::string_view text);

// Cabrillo: the QSO and X-QSO lines are the records; an X-QSO line is skipped, and so is a
// QSO line that does not read. A line whose empty report or exchange leaves fewer fields is
// read at the columns the plug-in's writer uses.
ContestLogFile read_cabrillo_log(std::string_view text);
