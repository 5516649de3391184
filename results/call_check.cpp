#include <optional>
#include <string>
#include <utility>

#include "engine/contest_rules.h"
#include "plugin/engine_calls.h"

namespace {

constexpr int kWorked = 0;
constexpr int kNotWorked = 1;
constexpr int kNotApplicable = 4;

// The contest's spelling of the band and the mode asked about; nothing when the check does not
// apply to them.
struct CheckedQuery {
    std::string band;
    std::string mode_class;
};

std::optional<CheckedQuery> applicable_query(const CallCheckArgs& args) {
    if (args.band && args.second_band && !equals_ignoring_case(*args.band, *args.second_band))
        return std::nullopt;
    auto band = band_table().find(args.band.value_or(""));
    if (!band)
        return std::nullopt;
    auto mode = mode_table().find(args.mode);
    if (!mode)
        return std::nullopt;
    return CheckedQuery{*band, mode_class(*mode)};
}

}  // namespace

int CheckCall(CTestApp& app, const CallCheckArgs& args) {
    // A pending live update reaches the operator window with the next keystroke.
    bool post = false;
    if (app.operator_window().is_open()) {
        auto session = app.session().access();
        post = std::exchange(session->refresh_pending, false);
    }
    if (post)
        app.operator_window().post_refresh();

    auto session = app.session().access();
    // For hosts 2.19 and 2.20 a query outside the contest answers "not worked".
    const bool answers_not_worked =
        session->host_version == "2.19" || session->host_version == "2.20";
    auto query = applicable_query(args);
    if (!query)
        return answers_not_worked ? kNotWorked : kNotApplicable;
    if (args.country.empty())
        return kNotWorked;
    // Every record counts, dupes included; the engine keeps bands and modes in the table's
    // spelling, and call signs are the same whatever their letter case.
    for (const CInfo& qso : session->log)
        if (qso.band == query->band && qso.mode_class == query->mode_class &&
            equals_ignoring_case(qso.worked_call, args.call))
            return kWorked;
    return kNotWorked;
}
