#include "tools/torv-score/scorer_options.h"

#include <algorithm>

#include "tools/torv-score/header_options.h"

namespace {

struct ValueOption {
    const char* long_name;
    std::optional<std::string> ScorerOptions::*field;
};

const ValueOption kValueOptions[] = {
    {"--report", &ScorerOptions::report_file},  {"--icao", &ScorerOptions::icao_file},
    {"--cty", &ScorerOptions::country_file},    {"--call", &ScorerOptions::own_call},
    {"--country", &ScorerOptions::own_country}, {"--continent", &ScorerOptions::own_continent},
    {"--start", &ScorerOptions::contest_start}, {"--end", &ScorerOptions::contest_end},
};

}  // namespace

std::string usage_text() {
    std::string text =
        "Usage: torv-score [options] LOG\n"
        "Scores a TORV contest log with the Stats plug-in, exactly as the Norl host would.\n"
        "\n"
        "LOG is an ADIF (.adi) or Cabrillo 3.0 log, told apart by its content; \"-\" reads\n"
        "standard input.\n"
        "\n"
        "Options:\n"
        "  -o, --output DIR     the plug-in's folder: its settings (Plugins/TORV.ini), the\n"
        "                       bad-QSO report and the Cabrillo file go here (default: .)\n"
        "      --html           print the plug-in's HTML result instead of the plain one\n"
        "      --cabrillo       also write the Cabrillo file <call>.cbr (an export run)\n"
        "      --report FILE    write a standalone HTML report: result, bad QSOs,\n"
        "                       multipliers and a chart of QSOs per hour by band\n"
        "      --icao FILE      the ICAO list (default: DIR/Plugins/ICAO.sec, as the plug-in\n"
        "                       reads it, else the list shipped with torv-score); it is\n"
        "                       copied to DIR/Plugins/ICAO.sec\n"
        "      --cty FILE       the country file (default: "
        "/usr/share/hamradio-files/cty.dat)\n"
        "      --call CALL      own call (default: from the log)\n"
        "      --country PFX    own country prefix (default: from the own call)\n"
        "      --continent CC   own continent (default: from the own call)\n"
        "      --start DATE     contest start, YYYY-MM-DD or \"YYYY-MM-DD HH:MM\"\n"
        "                       (default: the first QSO)\n"
        "      --end DATE       contest end (default: the last QSO)\n"
        "      --no-progress    no progress bar on standard error\n"
        "  -h, --help           show this text\n"
        "\n"
        "Cabrillo header (override the values stored in DIR/Plugins/TORV.ini):\n";
    for (const HeaderOption& option : header_options())
        text += std::string("      --") + option.name + " TEXT\n";
    text +=
        "\n"
        "Exit status:\n"
        "  0  the whole log was read and scored\n"
        "  1  a file could not be read or written (the message says which)\n"
        "  2  the command line is wrong\n"
        "  3  scored, but some records could not be read and were skipped (listed on\n"
        "     standard error)\n";
    return text;
}

ParsedCommandLine parse_command_line(const std::vector<std::string>& args) {
    ParsedCommandLine parsed;
    ScorerOptions options;
    bool have_log = false;
    auto fail = [&](std::string error) {
        parsed.error = std::move(error);
        return parsed;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size())
                return std::nullopt;
            return args[++i];
        };
        if (arg == "-h" || arg == "--help") {
            parsed.help = true;
            return parsed;
        }
        if (arg == "--html") {
            options.html = true;
            continue;
        }
        if (arg == "--cabrillo") {
            options.cabrillo = true;
            continue;
        }
        if (arg == "--no-progress") {
            options.progress = false;
            continue;
        }
        if (arg == "-o" || arg == "--output") {
            auto folder = value();
            if (!folder)
                return fail(arg + " needs a folder");
            options.output_folder = *folder;
            continue;
        }
        auto known = std::find_if(std::begin(kValueOptions), std::end(kValueOptions),
                                  [&](const ValueOption& o) { return arg == o.long_name; });
        if (known != std::end(kValueOptions)) {
            auto text = value();
            if (!text)
                return fail(arg + " needs a value");
            options.*(known->field) = *text;
            continue;
        }
        if (arg.rfind("--", 0) == 0 && find_header_option(arg.substr(2))) {
            auto text = value();
            if (!text)
                return fail(arg + " needs a value");
            options.header[arg.substr(2)] = *text;
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-')
            return fail("unknown option " + arg);
        if (have_log)
            return fail("only one log can be scored at a time");
        options.log_file = arg;
        have_log = true;
    }
    if (!have_log)
        return fail("no log given");
    parsed.options = std::move(options);
    return parsed;
}
