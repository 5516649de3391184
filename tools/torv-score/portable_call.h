// A call as logged may carry a portable form: "DL/W1AW", "W1AW/KH6", "W1AW/4", "DL1ABC/P".
// This splits it into the home call, the parts that may name the country the station operates
// from, and a call-area digit. Which of those decides the country is the country file's choice.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct PortableCall {
    std::string call;                   // the home call: "W1AW" of "DL/W1AW/P"
    std::vector<std::string> prefixes;  // the other parts, most prefix-like first: "DL"
    char area_digit = '\0';             // '4' of "W1AW/4", else '\0'
};

// Expects an upper-case call. Trailing operating suffixes are dropped: /P, /M, /MM, /AM, /QRP,
// /QRPP, /A, /B, /LH, any other single letter and any number of two or more digits. A trailing
// lone digit is the call area. Of the parts left, the home call is the longest call-like one
// (a digit followed by a letter, as "W1AW"); the rest are ordered not call-like first, then
// shorter first, then leftmost first, so "KH6/W1AW" and "W1AW/KH6" both offer "KH6".
PortableCall split_portable_call(std::string_view call);

// The call's prefix with its last digit replaced by the call area: "UA3" for "UA9ABC" and '3',
// "W4" for "W1AW" and '4'; a call without a digit gets the digit appended.
std::string call_area_prefix(std::string_view call, char area_digit);
