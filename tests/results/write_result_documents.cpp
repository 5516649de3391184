// Writes the HTML result of three sessions (empty log, a normal session, an export run) and of
// a session with markup in the host's texts into the folder given, for the HTML checker.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "plugin/engine_calls.h"
#include "tests/results/results_test_app.h"

namespace {

const std::vector<LogEntry> kLog = {
    {.call = "XX1ABC", .band = "20m", .mode = "CW", .received = "001", .minute = 0},
    {.call = "IK1AAA",
     .band = "80m",
     .mode = "SSB",
     .received = "002",
     .country = "I",
     .minute = 5},
    {.call = "W1AW",
     .band = "20m",
     .mode = "RTTY",
     .received = "LIRF",
     .country = "K",
     .continent = "NA",
     .minute = 10},
    {.call = "XX1ABC", .band = "20m", .mode = "CW", .received = "003", .minute = 12, .dupe = true},
    {.call = "JA1XX",
     .band = "10m",
     .mode = "BPSK63",
     .received = "LIML",
     .country = "JA",
     .continent = "AS",
     .minute = 20},
};

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
    std::vector<LogEntry> hostile_log = kLog;
    hostile_log.push_back({.call = "A1", .band = "<b>20m&"});
    const Document documents[] = {
        {"empty.html", {}, false, "XX9OWN"},
        {"session.html", kLog, false, "XX9OWN"},
        {"export.html", kLog, true, "XX9OWN"},
        {"host-texts.html", hostile_log, false, "<b>\"XX9&OWN\"</b>"},
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
