#include "tests/scorer/scorer_run.h"

#include <sys/wait.h>

#include <cstdlib>

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string sample_log_path() {
    return std::string(TORV_SCORE_SOURCE_DIR) + "/data/sample/torv-sample.adi";
}

ScorerRun run_torv_score(const TempFolder& folder, const std::string& args,
                         const std::string& input) {
    folder.write("stdin.txt", input);
    // The program runs in the folder, so the captured files are named relative to it.
    std::string command = "cd " + quoted(folder.path().string()) + " && " +
                          quoted(TORV_SCORE_PROGRAM) + " " + args +
                          " <stdin.txt >stdout.txt 2>stderr.txt";
    int raw = std::system(command.c_str());
    ScorerRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = folder.read("stdout.txt");
    run.err = folder.read("stderr.txt");
    return run;
}
