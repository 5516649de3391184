#include "tools/torv-score/progress_bar.h"

void ProgressBar::update(std::size_t done, std::size_t total) {
    if (total == 0)
        return;
    int percent = static_cast<int>(done * 100 / total);
    if (percent == shown_percent_)
        return;
    shown_percent_ = percent;
    constexpr int kWidth = 30;
    std::string bar(percent * kWidth / 100, '#');
    bar.resize(kWidth, ' ');
    std::fprintf(out_, "\r%s [%s] %3d%% %zu/%zu QSOs", label_.c_str(), bar.c_str(), percent, done,
                 total);
    std::fflush(out_);
}

void ProgressBar::finish() {
    if (shown_percent_ >= 0)
        std::fputc('\n', out_);
    shown_percent_ = -1;
}
