// The QSOs of a Cabrillo 3.0 log, in the host's terms. QSO lines are read as the plug-in's own
// Cabrillo writer lays them out: frequency, mode, date, time, then the own call, report and
// exchange sent, then the call, report and exchange received, and perhaps a transmitter number.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "engine/contest_rules.h"
#include "tools/torv-score/band_plan.h"
#include "tools/torv-score/log_reader.h"
#include "tools/torv-score/log_text.h"

namespace {

constexpr std::size_t kQsoFields = 10;

struct Token {
    std::string_view text;
    std::size_t position;  // in the value after the tag
};

std::vector<Token> blank_separated(std::string_view text) {
    std::vector<Token> tokens;
    std::size_t position = 0;
    while (position < text.size()) {
        if (is_blank_or_control(text[position])) {
            ++position;
            continue;
        }
        std::size_t start = position;
        while (position < text.size() && !is_blank_or_control(text[position]))
            ++position;
        tokens.push_back({text.substr(start, position - start), start});
    }
    return tokens;
}

// The six fields from the own call on, cut at the writer's columns (own call 13, report 3,
// exchange 6, call 13, report 3, then the exchange), for a line whose empty report or
// exchange left fewer blank-separated fields. Nothing when the text does not fit the columns.
std::optional<std::array<std::string_view, 6>> by_columns(std::string_view text) {
    static constexpr std::size_t kWidths[] = {13, 3, 6, 13, 3};
    std::array<std::string_view, 6> cells;
    std::size_t position = 0;
    for (std::size_t i = 0; i < std::size(kWidths); ++i) {
        // Blanks at the end of the line may have been lost on the way.
        std::size_t end = position + kWidths[i];
        if (end < text.size() && text[end] != ' ')
            return std::nullopt;
        cells[i] = trimmed(text.substr(std::min(position, text.size()), kWidths[i]));
        position = end + 1;
    }
    cells[5] = trimmed(text.substr(std::min(position, text.size())));
    for (std::string_view cell : cells) {
        if (blank_separated(cell).size() > 1)
            return std::nullopt;
    }
    if (cells[0].empty() || cells[3].empty())
        return std::nullopt;
    return cells;
}

std::string host_mode(std::string_view abbreviation) {
    const std::string upper = to_upper_ascii(abbreviation);
    if (upper == "CW")
        return "CW";
    if (upper == "PH")
        return "SSB";
    if (upper == "RY")
        return "RTTY";
    if (upper == "PM")
        return "BPSK63";
    return std::string(abbreviation);
}

// "YYYY-MM-DD" and "HHMM".
std::optional<OleDateTime> qso_time(std::string_view date, std::string_view time) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-' || time.size() != 4)
        return std::nullopt;
    std::string digits(date.substr(0, 4));
    digits += date.substr(5, 2);
    digits += date.substr(8, 2);
    return time_of_digits(digits, time);
}

// The QSO of the value after "QSO:", or the reason it cannot be read.
std::optional<LogQso> read_qso(std::string_view value, std::string& reason) {
    const std::vector<Token> tokens = blank_separated(value);
    std::array<std::string_view, 6> sent_and_received;
    if (tokens.size() == kQsoFields || tokens.size() == kQsoFields + 1) {
        for (std::size_t i = 0; i < 6; ++i)
            sent_and_received[i] = tokens[4 + i].text;
    } else if (auto cells = tokens.size() > 4 && tokens.size() < kQsoFields
                                ? by_columns(value.substr(tokens[4].position))
                                : std::nullopt) {
        sent_and_received = *cells;
    } else {
        reason =
            "a QSO line has 10 fields (frequency, mode, date, time, own call, report, "
            "exchange, call, report, exchange), this one " +
            std::to_string(tokens.size());
        return std::nullopt;
    }
    LogQso qso;
    const std::string_view frequency = tokens[0].text;
    double frequency_mhz = 0.0;
    if (std::string_view band = band_of_cabrillo_designation(frequency); !band.empty()) {
        qso.band = band;
    } else {
        qso.frequency_hz = frequency_hz_of(frequency, 1e3, frequency_mhz);
        qso.band = band_of_frequency_mhz(frequency_mhz);
        if (qso.band.empty()) {
            reason = "the frequency " + shown(frequency) + " kHz lies in no amateur band";
            return std::nullopt;
        }
    }
    qso.mode = host_mode(tokens[1].text);
    std::optional<OleDateTime> time = qso_time(tokens[2].text, tokens[3].text);
    if (!time) {
        reason = "the date and time " + shown(tokens[2].text) + " " + shown(tokens[3].text) +
                 " are no valid YYYY-MM-DD HHMM";
        return std::nullopt;
    }
    qso.time = *time;
    qso.station_call = sent_and_received[0];
    qso.report_sent = sent_and_received[1];
    qso.exchange_sent = sent_and_received[2];
    qso.call = sent_and_received[3];
    qso.report_received = sent_and_received[4];
    qso.exchange_received = sent_and_received[5];
    return qso;
}

}  // namespace

ContestLogFile read_cabrillo_log(std::string_view text) {
    ContestLogFile log;
    log.format = ContestLogFile::Format::cabrillo;
    std::size_t record_number = 0;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            continue;  // not a tag line: nothing to read
        const std::string tag = to_upper_ascii(trimmed(line.substr(0, colon)));
        const std::string_view value = line.substr(colon + 1);
        if (tag == "QSO" || tag == "X-QSO") {
            ++record_number;
            if (tag == "X-QSO") {
                log.skipped.push_back({record_number, "an X-QSO line, which does not count"});
                continue;
            }
            std::string reason;
            if (std::optional<LogQso> qso = read_qso(value, reason)) {
                qso->record_number = record_number;
                log.qsos.push_back(std::move(*qso));
            } else {
                log.skipped.push_back({record_number, std::move(reason)});
            }
        } else if (tag != "END-OF-LOG") {
            log.header.emplace_back(tag, trimmed(value));
            if (tag == "CALLSIGN")
                log.own_call = trimmed(value);
        }
    }
    if (log.own_call.empty() && !log.qsos.empty())
        log.own_call = log.qsos.front().station_call;
    return log;
}
