#include "engine/session_start.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "engine/bad_qso_report.h"
#include "engine/contest_rules.h"
#include "plugin/engine_calls.h"
#include "plugin/host_version.h"

namespace {

constexpr const char* kIcaoListFile = ".\\Plugins\\ICAO.sec";
constexpr const char* kStartKey = "Start";
constexpr const char* kEmptyCell = "-";

void rebuild_previous_qso_grid(SessionState& state) {
    for (int slot = 0; slot < kBandSlotCount; ++slot) {
        auto& row = state.previous_qso_grid[static_cast<std::size_t>(slot)];
        row[0] = band_table().at(static_cast<std::size_t>(slot));
        std::fill(row.begin() + 1, row.end(), std::string(kEmptyCell));
    }
}

void load_icao_list(TextFiles& files, SessionState& state) {
    state.icao_list.clear();
    auto lines = files.read_lines(kIcaoListFile);
    state.icao_list_loaded = lines.has_value();
    if (lines)
        state.icao_list = std::move(*lines);
}

}  // namespace

bool host_version_without_window(const std::string& host_version) {
    static constexpr std::array<std::string_view, 6> kVersions{"2.18", "2.17", "2.16",
                                                               "2.15", "2.14", "2.14R"};
    for (auto version : kVersions)
        if (host_version == version)
            return true;
    return false;
}

OperatorWindowDecision decide_operator_window(int start_setting, bool window_open,
                                              const std::string& host_version) {
    if (start_setting != 0)
        return {false, 0};
    if (window_open)
        return {false, std::nullopt};
    return {!host_version_without_window(host_version), 1};
}

int ResetStats(CTestApp& app, const SessionStartArgs& args) {
    std::string host_version;
    {
        auto session = app.session().access();
        session->contest_start_text = args.contest_start.Format("%d.%m");
        session->contest_year_text = args.contest_start.Format("%Y");
        session->contest_end_text = args.contest_end.Format("%d.%m.%Y");
        LookUpHostVersion(app.files(), args.host_folder, session->host_version);
        session->log.clear();
        session->dupe_index.clear();
        session->worked_bands.clear();
        session->own_country = args.own_country;
        session->own_continent = args.own_continent;
        session->own_call = args.own_call;
        rebuild_previous_qso_grid(*session);
        if (is_russian_prefix(args.own_country))
            session->russian_texts = true;
        load_icao_list(app.files(), *session);
        session->export_run = args.export_request != 0;
        session->export_confirmed = false;
        host_version = session->host_version;
    }

    if (args.export_request != 0) {
        // The header dialog is modal; the operator window's thread must be able to reach the
        // session meanwhile, so the lock is not held here.
        bool confirmed =
            app.cabrillo().SetUpHeader(args.own_call, args.contest_start, args.contest_end);
        app.session().access()->export_confirmed = confirmed;
        app.settings().write(kStartKey, "1");
    }

    auto decision = decide_operator_window(app.settings().read_int(kStartKey),
                                           app.operator_window().is_open(), host_version);
    if (decision.start_window)
        app.operator_window().start();
    if (decision.start_setting)
        app.settings().write_int(kStartKey, *decision.start_setting);

    std::string file_name = BadQsoFileName(args.contest_end);
    app.session().access()->bad_qso_file = file_name;
    CreateBadQsoReport(app.files(), file_name);
    return 1;
}
