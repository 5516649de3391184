#include <algorithm>

#include "engine/bad_qso_report.h"
#include "engine/contest_rules.h"
#include "plugin/engine_calls.h"

namespace {

// The first record of the QSO: same call (letter case ignored), band, mode class and time.
void remove_first_match(SessionState& session, const QsoArgs& args) {
    ContestLog& log = session.log;
    const std::string band = band_table().find(args.band).value_or(args.band);
    const std::string qso_class = mode_class(mode_table().find(args.mode).value_or(args.mode));
    auto match = std::find_if(log.begin(), log.end(), [&](const CInfo& record) {
        return equals_ignoring_case(record.worked_call, args.call) && record.band == band &&
               record.mode_class == qso_class && record.qso_time.same_time(args.qso_time);
    });
    if (match != log.end()) {
        session.dupe_index.remove(*match);
        log.erase(match);
    }
}

}  // namespace

int RemoveQso(CTestApp& app, const QsoArgs& args) {
    std::string file_name;
    {
        auto session = app.session().access();
        remove_first_match(*session, args);
        if (session->log.empty())
            for (auto& lists : session->multiplier_lists)
                for (auto& list : lists)
                    list.clear();
        session->refresh_pending = true;
        file_name = session->bad_qso_file;
    }
    RemoveBadQsoLines(app.files(), file_name, args.call, args.qso_time);
    if (app.operator_window().is_open())
        app.operator_window().post_refresh();
    return 1;
}
