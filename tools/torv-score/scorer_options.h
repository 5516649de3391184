// The command line of torv-score.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// Exit statuses, as --help lists them.
enum ExitStatus {
    kExitScored = 0,          // the whole log was read and scored
    kExitFailed = 1,          // a file could not be read or written
    kExitUsage = 2,           // the command line is wrong
    kExitRecordsSkipped = 3,  // scored, but some records could not be read and were skipped
};

struct ScorerOptions {
    std::string log_file;  // "-" for standard input
    std::string output_folder = ".";
    bool html = false;
    bool cabrillo = false;
    bool progress = true;
    std::optional<std::string> report_file;
    std::optional<std::string> icao_file;
    std::optional<std::string> country_file;
    std::optional<std::string> own_call, own_country, own_continent;
    std::optional<std::string> contest_start, contest_end;  // "YYYY-MM-DD[ HH:MM]"
    // Cabrillo header values by option name ("name", "email", "category-operator", ...).
    std::map<std::string, std::string> header;
};

struct ParsedCommandLine {
    std::optional<ScorerOptions> options;  // nothing when only help was asked or on an error
    std::string error;                     // why the command line is wrong
    bool help = false;
};

ParsedCommandLine parse_command_line(const std::vector<std::string>& args);
std::string usage_text();
