// A progress bar on a terminal: "Scoring [#####     ]  50% 5000/10000 QSOs", redrawn in place
// only when the shown percentage changes.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

class ProgressBar {
  public:
    ProgressBar(std::FILE* terminal, std::string label)
        : out_(terminal), label_(std::move(label)) {}
    void update(std::size_t done, std::size_t total);
    // Ends the bar's line, if one was drawn.
    void finish();

  private:
    std::FILE* out_;
    std::string label_;
    int shown_percent_ = -1;
};
