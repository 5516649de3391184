// The QSOs of an ADIF file, in the host's terms.
#include <initializer_list>
#include <optional>
#include <string>

#include "engine/contest_rules.h"
#include "tools/torv-score/adif_file.h"
#include "tools/torv-score/band_plan.h"
#include "tools/torv-score/log_reader.h"
#include "tools/torv-score/log_text.h"

namespace {

// The value of the first of the names whose field holds more than blanks; empty otherwise.
std::string value_of(const AdifRecord& record, std::initializer_list<std::string_view> names) {
    for (std::string_view name : names) {
        if (const std::string* value = record.find(name)) {
            if (!trimmed(*value).empty())
                return std::string(trimmed(*value));
        }
    }
    return {};
}

// The host's text for a mode. The contest's own modes get the host's spelling; for any other
// mode the submode is the more specific text (MFSK with FT4 is "FT4"), given as it stands.
std::string host_mode(std::string_view mode_text, std::string_view submode_text) {
    const std::string mode = to_upper_ascii(mode_text);
    const std::string submode = to_upper_ascii(submode_text);
    if (mode == "CW")
        return "CW";
    if (mode == "SSB" || mode == "USB" || mode == "LSB")
        return "SSB";
    if (mode == "RTTY" && submode.empty())
        return "RTTY";
    if (mode == "PSK63" || mode == "BPSK63" ||
        (mode == "PSK" && (submode == "PSK63" || submode == "BPSK63")))
        return "BPSK63";
    return std::string(submode_text.empty() ? mode_text : submode_text);
}

// Band as the plug-in spells it: BAND when the plan knows it, else the band of FREQ, else
// BAND as it stands (which the plug-in then rejects). Empty when there is neither.
std::string band_of(const std::string& band_field, double frequency_mhz) {
    if (std::string_view known = band_by_name(band_field); !known.empty())
        return std::string(known);
    if (std::string_view by_frequency = band_of_frequency_mhz(frequency_mhz); !by_frequency.empty())
        return std::string(by_frequency);
    std::string band = band_field;
    for (char& c : band)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return band;
}

}  // namespace

ContestLogFile read_adif_log(std::string_view text) {
    ContestLogFile log;
    log.format = ContestLogFile::Format::adif;
    const AdifFile file = parse_adif(text);
    if (!file.header_problem.empty())
        log.warnings.push_back("ADIF header: " + file.header_problem);
    for (const AdifRecord& record : file.records) {
        auto skip = [&](std::string reason) {
            log.skipped.push_back({record.number, std::move(reason)});
        };
        if (!record.problem.empty()) {
            skip("broken record: " + record.problem);
            continue;
        }
        LogQso qso;
        qso.record_number = record.number;
        qso.call = value_of(record, {"call"});
        if (qso.call.empty()) {
            skip("no CALL");
            continue;
        }
        const std::string date = value_of(record, {"qso_date"});
        const std::string time_on = value_of(record, {"time_on"});
        std::optional<OleDateTime> time = time_of_digits(date, time_on);
        if (!time) {
            skip(date.empty()      ? "no QSO_DATE"
                 : time_on.empty() ? "no TIME_ON"
                                   : "QSO_DATE " + shown(date) + " with TIME_ON " + shown(time_on) +
                                         " is no valid date and time (YYYYMMDD, HHMM or HHMMSS)");
            continue;
        }
        qso.time = *time;
        double frequency_mhz = 0.0;
        const std::string frequency = value_of(record, {"freq"});
        qso.frequency_hz = frequency_hz_of(frequency, 1e6, frequency_mhz);
        qso.band = band_of(value_of(record, {"band"}), frequency_mhz);
        if (qso.band.empty()) {
            skip(frequency.empty()
                     ? "no BAND and no FREQ"
                     : "no BAND, and FREQ " + shown(frequency) + " MHz lies in no amateur band");
            continue;
        }
        qso.mode = host_mode(value_of(record, {"mode"}), value_of(record, {"submode"}));
        qso.report_sent = value_of(record, {"rst_sent"});
        qso.report_received = value_of(record, {"rst_rcvd"});
        qso.exchange_sent = value_of(record, {"stx_string", "stx"});
        qso.exchange_received = value_of(record, {"srx_string", "srx"});
        qso.station_call = value_of(record, {"station_callsign", "operator"});
        if (log.own_call.empty())
            log.own_call = qso.station_call;
        log.qsos.push_back(std::move(qso));
    }
    return log;
}
