// Runs the real torv-score program, as a user would, and keeps what it printed.
#pragma once

#include <string>

#include "tests/support/temp_folder.h"

struct ScorerRun {
    int status = -1;
    std::string out;  // standard output
    std::string err;  // standard error
};

// Runs torv-score with the arguments (each quoted for the shell) in `folder`, which also holds
// the captured output; `input` is given as standard input.
ScorerRun run_torv_score(const TempFolder& folder, const std::string& args,
                         const std::string& input = "");

std::string sample_log_path();
std::string quoted(const std::string& text);
