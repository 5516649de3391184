// Writes the HTML result of three sessions (empty log, a normal session, an export run) and of
// a session with markup in the host's texts into the folder given, for the HTML checker.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "plugin/engine_calls.h"
#include "tests/results/results_test_app.h"

namespace {

struct Document {
    const char* file;
    std::vector<LogEntry> log;
    bool export_run;
    std::string own_call;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_result_documents FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::absolute(argv[1]);
    std::filesystem::create_directories(folder);
    std::vector<LogEntry> hostile_log = kMixedLog;
    hostile_log.push_back({.call = "A1", .band = "<b>20m&"});
    const Document documents[] = {
        {"empty.html", {}, false, "XX9OWN"},
        {"session.html", kMixedLog, false, "XX9OWN"},
        {"export.html", kMixedLog, true, "XX9OWN"},
        {"host-texts.html", hostile_log, false, "<b>\"XX9&OWN\"</b>\x01\x7f"},
    };
    for (const auto& document : documents) {
        ResultsTestApp t;
        t.add(document.log);
        {
            auto session = t.app.session().access();
            session->html = true;
            session->export_run = session->export_confirmed = document.export_run;
            session->own_call = document.own_call;
        }
        std::ofstream(folder / document.file, std::ios::binary) << GetResult(t.app, nullptr);
    }
    return 0;
}
