#include "tests/scorer/scorer_run.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string read_file(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string sample_log_path() {
    return std::string(TORV_SCORE_SOURCE_DIR) + "/data/sample/torv-sample.adi";
}

ScorerRun run_torv_score(const fs::path& folder, const std::string& args,
                         const std::string& input) {
    const fs::path in = folder / "stdin.txt", out = folder / "stdout.txt",
                   err = folder / "stderr.txt";
    std::ofstream(in, std::ios::binary) << input;
    std::string command = "cd " + quoted(folder.string()) + " && " + quoted(TORV_SCORE_PROGRAM) +
                          " " + args + " <" + quoted(in.string()) + " >" + quoted(out.string()) +
                          " 2>" + quoted(err.string());
    int raw = std::system(command.c_str());
    ScorerRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = read_file(out);
    run.err = read_file(err);
    return run;
}
