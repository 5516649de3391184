// torv-score: scores a TORV contest log with the plug-in, as the Norl host would.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "tools/torv-score/country_file.h"
#include "tools/torv-score/log_reader.h"
#include "tools/torv-score/progress_bar.h"
#include "tools/torv-score/report_document.h"
#include "tools/torv-score/scorer_options.h"
#include "tools/torv-score/scoring_run.h"

namespace fs = std::filesystem;

namespace {

// Logs this long get a progress bar when standard error is a terminal.
constexpr std::size_t kProgressFrom = 2000;
constexpr std::size_t kMostNamedCalls = 10;

class Failure : public std::runtime_error {
  public:
    Failure(ExitStatus status, const std::string& message)
        : std::runtime_error(message), status(status) {}
    ExitStatus status;
};

std::string read_whole(std::istream& in) {
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string read_input(const std::string& name) {
    if (name == "-")
        return read_whole(std::cin);
    std::error_code error;
    if (fs::is_directory(name, error))
        throw Failure(kExitFailed, "cannot read " + name + ": it is a folder");
    std::ifstream in(name, std::ios::binary);
    if (!in)
        throw Failure(kExitFailed, "cannot read " + name + ": " + std::strerror(errno));
    std::string text = read_whole(in);
    if (in.bad())
        throw Failure(kExitFailed, "cannot read " + name + ": read error");
    return text;
}

// "YYYY-MM-DD" or "YYYY-MM-DD HH:MM" (a "T" may stand for the blank).
OleDateTime parse_date_option(const std::string& option, const std::string& text) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    char separator = ' ';
    int consumed = 0;
    bool date_only =
        std::sscanf(text.c_str(), "%4d-%2d-%2d%n", &year, &month, &day, &consumed) == 3 &&
        consumed == static_cast<int>(text.size());
    bool date_time = std::sscanf(text.c_str(), "%4d-%2d-%2d%c%2d:%2d%n", &year, &month, &day,
                                 &separator, &hour, &minute, &consumed) == 6 &&
                     (separator == ' ' || separator == 'T') &&
                     consumed == static_cast<int>(text.size());
    OleDateTime value = OleDateTime::from_fields(year, month, day, hour, minute, 0);
    if ((!date_only && !date_time) || !value.is_valid())
        throw Failure(kExitUsage,
                      option + " wants YYYY-MM-DD or \"YYYY-MM-DD HH:MM\", not \"" + text + "\"");
    return value;
}

CountryFile load_country_file(const std::optional<std::string>& option) {
    std::string error;
    auto countries = CountryFile::load(option.value_or(kDefaultCountryFile), error);
    if (!countries)
        throw Failure(
            kExitFailed,
            error + (option ? "" : " (install Debian's hamradio-files or give --cty FILE)"));
    return *countries;
}

StationIdentity own_station(const ScorerOptions& options, const ContestLogFile& log,
                            const CountryFile& countries) {
    StationIdentity own;
    own.call = options.own_call.value_or(log.own_call);
    if (own.call.empty())
        throw Failure(kExitUsage, "the log names no own call: give it with --call");
    auto country = countries.resolve(own.call);
    own.country = options.own_country ? *options.own_country : country ? country->prefix : "";
    own.continent = options.own_continent ? *options.own_continent
                    : country             ? country->continent
                                          : "";
    if (own.country.empty() || own.continent.empty())
        throw Failure(kExitUsage, "the country file does not know the own call " + own.call +
                                      ": give --country and --continent");
    return own;
}

void copy_file_to(const fs::path& from, const fs::path& to) {
    std::error_code error;
    if (fs::exists(to, error) && fs::equivalent(from, to, error))
        return;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
    if (error)
        throw Failure(kExitFailed,
                      "cannot copy the ICAO list to " + to.string() + ": " + error.message());
}

// The plug-in reads its ICAO list from Plugins/ICAO.sec in its folder. Returns where the list
// came from, for the summary.
std::string place_icao_list(const std::optional<fs::path>& option, const fs::path& folder) {
    const fs::path target = folder / "Plugins" / "ICAO.sec";
    if (option) {
        if (!fs::is_regular_file(*option))
            throw Failure(kExitFailed, "cannot read the ICAO list " + option->string());
        copy_file_to(*option, target);
        return option->string();
    }
    if (fs::exists(target))
        return target.string();
    const fs::path shipped = fs::path(TORV_SCORE_DATA_DIR) / "ICAO.sec";
    if (!fs::is_regular_file(shipped))
        throw Failure(kExitFailed,
                      "no ICAO list: put one in " + target.string() + " or give --icao FILE");
    copy_file_to(shipped, target);
    return shipped.string() + " (copied to " + target.string() + ")";
}

std::vector<std::string> bad_qso_lines(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    for (bool title = true; std::getline(in, line); title = false) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!title)
            lines.push_back(line);
    }
    return lines;
}

// The plug-in ends its lines with CR LF; the terminal gets this system's line ends.
std::string with_local_line_ends(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out += text[i];
    return out;
}

void write_report(const fs::path& file, const ReportInput& input) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << report_document(input);
    out.close();
    if (!out)
        throw Failure(kExitFailed, "cannot write the report " + file.string());
}

int run(const ScorerOptions& options) {
    const std::string log_text = read_input(options.log_file);
    const std::string log_name = options.log_file == "-" ? "standard input" : options.log_file;
    ContestLogFile log = read_contest_log(log_text);
    CountryFile countries = load_country_file(options.country_file);
    StationIdentity own = own_station(options, log, countries);

    auto [first, last] = log_time_span(log);
    OleDateTime start =
        options.contest_start ? parse_date_option("--start", *options.contest_start) : first;
    OleDateTime end = options.contest_end ? parse_date_option("--end", *options.contest_end) : last;

    // Paths of the command line are taken from where the scorer was started; then the
    // scorer moves into the plug-in's folder, which the plug-in takes as its current directory.
    const fs::path folder = fs::absolute(options.output_folder);
    std::optional<fs::path> report_file, icao_file;
    if (options.report_file)
        report_file = fs::absolute(*options.report_file);
    if (options.icao_file)
        icao_file = fs::absolute(*options.icao_file);
    std::error_code error;
    fs::create_directories(folder / "Plugins", error);
    if (error)
        throw Failure(kExitFailed,
                      "cannot create " + (folder / "Plugins").string() + ": " + error.message());
    std::string icao_source = place_icao_list(icao_file, folder);
    fs::current_path(folder, error);
    if (error)
        throw Failure(kExitFailed, "cannot enter " + folder.string() + ": " + error.message());

    ProgressBar bar(stderr, "Scoring");
    const bool show_progress =
        options.progress && isatty(STDERR_FILENO) && log.qsos.size() >= kProgressFrom;
    ScoringRequest request{.log = log,
                           .own = own,
                           .countries = countries,
                           .contest_start = start,
                           .contest_end = end,
                           .html = options.html,
                           .cabrillo = options.cabrillo,
                           .report = options.report_file.has_value(),
                           .header = options.header,
                           .progress = {}};
    if (show_progress)
        request.progress = [&bar](std::size_t done, std::size_t total) { bar.update(done, total); };
    ScoringOutcome outcome = score_log(request);
    bar.finish();

    std::cout << with_local_line_ends(outcome.result_text);
    if (!outcome.result_text.empty() && outcome.result_text.back() != '\n')
        std::cout << '\n';
    std::cout.flush();

    std::cerr << "Read " << log.qsos.size() << " QSOs from " << log_name << " ("
              << (log.format == ContestLogFile::Format::adif ? "ADIF" : "Cabrillo")
              << "); the plug-in stored " << outcome.qsos_accepted << ". Own station " << own.call
              << " (" << own.country << ", " << own.continent << "). ICAO list: " << icao_source
              << ".\n";
    for (const std::string& warning : log.warnings)
        std::cerr << warning << '\n';
    for (const SkippedRecord& skipped : log.skipped)
        std::cerr << "Record " << skipped.record_number << " skipped: " << skipped.reason << '\n';
    if (!log.skipped.empty())
        std::cerr << log.skipped.size() << " record(s) could not be read and were skipped.\n";
    if (!outcome.unresolved_calls.empty()) {
        std::cerr << outcome.unresolved_calls.size()
                  << " worked call(s) not in the country file, scored as another continent:";
        for (std::size_t i = 0; i < outcome.unresolved_calls.size() && i < kMostNamedCalls; ++i)
            std::cerr << ' ' << outcome.unresolved_calls[i];
        std::cerr << (outcome.unresolved_calls.size() > kMostNamedCalls ? " ...\n" : "\n");
    }
    std::cerr << "Bad-QSO report: " << (folder / outcome.bad_qso_file).string() << '\n';

    int status = log.skipped.empty() ? kExitScored : kExitRecordsSkipped;
    for (const std::string& message : outcome.messages) {
        const std::string produced = "Output: File produced: ";
        if (message.rfind(produced, 0) == 0) {
            std::cerr << "Cabrillo file: " << (folder / message.substr(produced.size())).string()
                      << '\n';
        } else {
            std::cerr << message << '\n';
            status = kExitFailed;
        }
    }
    if (report_file) {
        write_report(*report_file,
                     {outcome.contest_title, own.call, log_name, outcome.sheet, outcome.log,
                      bad_qso_lines(outcome.bad_qso_file), start, end, log.skipped.size()});
        std::cerr << "Report: " << report_file->string() << '\n';
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    ParsedCommandLine parsed = parse_command_line({argv + 1, argv + argc});
    if (parsed.help) {
        std::cout << usage_text();
        return kExitScored;
    }
    if (!parsed.options) {
        std::cerr << "torv-score: " << parsed.error << "\nTry 'torv-score --help'.\n";
        return kExitUsage;
    }
    try {
        return run(*parsed.options);
    } catch (const Failure& failure) {
        std::cerr << "torv-score: " << failure.what() << '\n';
        return failure.status;
    } catch (const std::exception& error) {
        std::cerr << "torv-score: " << error.what() << '\n';
        return kExitFailed;
    }
}
