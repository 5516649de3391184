#include "tools/torv-score/scoring_run.h"

#include <algorithm>

#include "platform/posix/posix_app.h"
#include "plugin/host_abi.h"
#include "plugin/plugin_app.h"
#include "plugin/user_interface.h"
#include "results/result_text.h"
#include "tools/torv-score/header_options.h"

namespace {

// The scorer's answers where the host would show a window: message boxes are kept for the
// scorer to print, and the Cabrillo header is confirmed with the values of the command line.
class ScorerUserInterface : public UserInterface {
  public:
    explicit ScorerUserInterface(const std::map<std::string, std::string>& header)
        : header_(header) {}

    void message_box(std::string_view text, std::optional<std::string_view> caption,
                     MessageIcon) override {
        std::string message = caption && !caption->empty() ? std::string(*caption) + ": " : "";
        messages.push_back(message + std::string(text));
    }

    bool edit_cabrillo_header(CabrilloDialogFields& fields) override {
        for (const auto& [name, value] : header_)
            if (const HeaderOption* option = find_header_option(name))
                fields.*(option->field) = option->multi_line ? with_crlf(value) : value;
        return true;
    }

    std::vector<std::string> messages;

  private:
    // A dialog's edit box separates lines with CR LF.
    static std::string with_crlf(const std::string& text) {
        std::string out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
                out += '\r';
            out += text[i];
        }
        return out;
    }

    const std::map<std::string, std::string>& header_;
};

HostDateTime host_time(const OleDateTime& time) {
    return {time.days(), static_cast<std::int32_t>(time.status())};
}

int add_qso(const LogQso& qso, const std::string& own_call, const CountryOfCall& worked) {
    HostDateTime time = host_time(qso.time);
    HostDateTime null_time = host_time(OleDateTime::null());
    const char* own = own_call.c_str();
    return AddData0(own, qso.call.c_str(), &time, &null_time, &null_time, &null_time, 0,
                    qso.frequency_hz, qso.mode.c_str(), qso.report_sent.c_str(),
                    qso.report_received.c_str(), qso.exchange_sent.c_str(),
                    qso.exchange_received.c_str(), "", "", "", "", "", "", "", "", "",
                    worked.prefix.c_str(), 0, 0, 0, 0.0, 0.0, "", worked.continent.c_str(), "",
                    qso.band.c_str(), "");
}

}  // namespace

std::pair<OleDateTime, OleDateTime> log_time_span(const ContestLogFile& log) {
    OleDateTime first = OleDateTime::null(), last = OleDateTime::null();
    for (const LogQso& qso : log.qsos) {
        if (!qso.time.is_valid())
            continue;
        if (!first.is_valid() || qso.time.days() < first.days())
            first = qso.time;
        if (!last.is_valid() || qso.time.days() > last.days())
            last = qso.time;
    }
    return {first, last};
}

ScoringOutcome score_log(const ScoringRequest& request) {
    ScorerUserInterface ui(request.header);
    set_native_user_interface(&ui);
    struct Restore {
        ~Restore() { set_native_user_interface(nullptr); }
    } restore;

    ScoringOutcome outcome;
    HostDateTime start = host_time(request.contest_start);
    HostDateTime end = host_time(request.contest_end);
    const StationIdentity& own = request.own;
    if (request.html)
        setVersion("torv-score");
    // The host passes its own folder; the plug-in's files are in the current directory.
    ResetStats0(".\\", request.cabrillo ? 1 : 0, own.call.c_str(), &start, &end, "", "", "", "", "",
                "", "", "", "", own.country.c_str(), 0, 0, 0, 0.0, 0.0, "", own.continent.c_str(),
                "");

    const std::size_t total = request.log.qsos.size();
    for (std::size_t i = 0; i < total; ++i) {
        const LogQso& qso = request.log.qsos[i];
        CountryOfCall worked;
        if (auto resolved = request.countries.resolve(qso.call))
            worked = *resolved;
        else
            outcome.unresolved_calls.push_back(qso.call);
        outcome.qsos_accepted += add_qso(qso, own.call, worked) == 1 ? 1 : 0;
        if (request.progress)
            request.progress(i + 1, total);
    }

    const char* text = GetResult0(&outcome.result_status);
    outcome.result_text = text ? text : "";
    outcome.messages = std::move(ui.messages);

    // The figures for the report come from the plug-in's own score computation over the log it
    // holds, with the rates that an export run leaves out.
    auto session = theApp().session().access();
    outcome.bad_qso_file = session->bad_qso_file;
    if (!request.report)
        return outcome;
    outcome.log = session->log;
    StringList bands = session->worked_bands;
    SortWorkedBands(bands);
    outcome.sheet = ComputeScore({session->log, bands, session->own_country, session->own_continent,
                                  false, session->bad_qso_count});
    outcome.contest_title =
        ResultTitle({session->contest_start_text, session->contest_end_text, session->own_call});
    return outcome;
}
