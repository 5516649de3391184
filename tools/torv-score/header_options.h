// The Cabrillo header values the command line can set, and the header dialog field each one
// fills.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cabrillo/cabrillo_dialog_fields.h"

struct HeaderOption {
    const char* name;  // the option without its leading "--"
    std::string CabrilloDialogFields::*field;
    bool multi_line;  // the dialog separates its lines with CR LF
};

// In the order --help lists them.
const std::vector<HeaderOption>& header_options();
const HeaderOption* find_header_option(std::string_view name);
