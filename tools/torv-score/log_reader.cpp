#include "tools/torv-score/log_reader.h"

#include "engine/contest_rules.h"
#include "tools/torv-score/log_text.h"

bool looks_like_cabrillo(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    text = trimmed(text);
    constexpr std::string_view kStart = "START-OF-LOG:";
    return equals_ignoring_case(text.substr(0, kStart.size()), kStart);
}

ContestLogFile read_contest_log(std::string_view text) {
    return looks_like_cabrillo(text) ? read_cabrillo_log(text) : read_adif_log(text);
}
