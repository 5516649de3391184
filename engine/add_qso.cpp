#include <algorithm>
#include <optional>

#include "engine/bad_qso_report.h"
#include "engine/contest_rules.h"
#include "plugin/engine_calls.h"

namespace {

constexpr const char* kWhiteSpace = " \t\n\v\f\r";

std::string trim_white_space(const std::string& text) {
    auto begin = text.find_first_not_of(kWhiteSpace);
    if (begin == std::string::npos)
        return {};
    auto end = text.find_last_not_of(kWhiteSpace);
    return text.substr(begin, end - begin + 1);
}

// A serial number is padded to three digits; an ICAO code is kept as the host gave it and
// becomes the multiplier key.
void set_received_exchange(CInfo& record, const std::string& exchange) {
    if (begins_with_letter(exchange)) {
        record.received_exchange = exchange;
        record.multiplier_key = trim_white_space(to_upper_ascii(exchange));
        return;
    }
    if (exchange.size() == 1)
        record.received_exchange = "00" + exchange;
    else if (exchange.size() == 2)
        record.received_exchange = "0" + exchange;
    else
        record.received_exchange = exchange;
}

CInfo make_record(const QsoArgs& args, const std::string& band, const std::string& mode) {
    CInfo record;
    record.worked_call = args.call;
    record.worked_country = args.country;
    record.worked_continent = args.continent;
    record.band = band;
    record.mode = mode;
    record.mode_class = mode_class(mode);
    record.sent_report = args.report_sent;
    record.received_report = args.report_received;
    set_received_exchange(record, args.exchange_received);
    record.sent_exchange = args.exchange_sent;
    record.frequency_khz = args.frequency_hz / 1000;
    record.qso_time = args.qso_time;
    return record;
}

BadQsoFields report_fields(const QsoArgs& args) {
    BadQsoFields fields;
    fields.frequency_hz = args.frequency_hz;
    fields.mode = args.mode;
    fields.qso_time = args.qso_time;
    fields.own_call = args.own_call;
    fields.report_sent = args.report_sent;
    fields.exchange_sent = args.exchange_sent;
    fields.call = args.call;
    fields.report_received = args.report_received;
    fields.exchange_received = args.exchange_received;
    return fields;
}

// Stores the QSO unless a contest rule rejects it; returns the reason of its report line, if
// it gets one.
std::optional<BadQsoReason> store_qso(SessionState& state, const QsoArgs& args) {
    auto band = band_table().find(args.band);
    if (!band)
        return BadQsoReason::wrong_band;
    auto mode = mode_table().find(args.mode);
    if (!mode)
        return BadQsoReason::wrong_mode;
    if (args.exchange_received.empty() || args.exchange_sent.empty())
        return BadQsoReason::no_rx_number;

    auto& bands = state.worked_bands;
    if (std::find(bands.begin(), bands.end(), *band) == bands.end())
        bands.push_back(*band);

    CInfo record = make_record(args, *band, *mode);
    bool dupe = state.dupe_index.contains(record);
    if (dupe) {
        record.not_counted = 1;
        record.dupe = 1;
    }
    state.dupe_index.add(record);
    state.log.push_back(std::move(record));
    if (dupe)
        return BadQsoReason::dupe;
    return std::nullopt;
}

}  // namespace

int AddQso(CTestApp& app, const QsoArgs& args) {
    std::optional<BadQsoReason> reason;
    std::string file_name;
    {
        auto session = app.session().access();
        reason = store_qso(*session, args);
        file_name = session->bad_qso_file;
    }
    // Every call opens the report file, so a file deleted meanwhile is there again afterwards.
    AppendBadQsoLine(app.files(), file_name,
                     reason ? bad_qso_line(report_fields(args), *reason) : std::string());
    bool stored = !reason || *reason == BadQsoReason::dupe;
    return stored ? 1 : 0;
}
