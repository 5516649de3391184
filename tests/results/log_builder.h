// QSO records as the engine stores them, written compactly for the tests and the benchmarks.
#pragma once

#include <string>

#include "engine/contest_rules.h"
#include "engine/qso_record.h"
#include "plugin/session.h"

// 2008-02-02 12:00, the time that LogEntry::minute counts from.
inline constexpr double kLogStartDays = 39480.5;

struct LogEntry {
    std::string call = "XX1ABC";
    std::string band = "20m";
    std::string mode = "CW";
    std::string received = "001";  // exchange as stored: a padded serial or an ICAO code
    std::string sent = "001";
    std::string country = "DL";
    std::string continent = "EU";
    double minute = 0;  // after kLogStartDays; fractions for seconds
    bool dupe = false;
    std::uint32_t frequency_khz = 14025;
};

inline CInfo MakeRecord(const LogEntry& entry) {
    CInfo qso;
    qso.worked_call = entry.call;
    qso.worked_country = entry.country;
    qso.worked_continent = entry.continent;
    qso.band = entry.band;
    qso.mode = entry.mode;
    qso.mode_class = mode_class(entry.mode);
    qso.received_report = "599";
    qso.sent_report = "599";
    qso.received_exchange = entry.received;
    qso.sent_exchange = entry.sent;
    if (begins_with_letter(entry.received))
        qso.multiplier_key = to_upper_ascii(entry.received);
    qso.not_counted = qso.dupe = entry.dupe ? 1 : 0;
    qso.frequency_khz = entry.frequency_khz;
    qso.qso_time = OleDateTime::from_days(kLogStartDays + entry.minute / 1440.0);
    return qso;
}

// Appends the records and, as the engine does, each new band text to the worked-band list.
inline void AppendToLog(SessionState& session, const std::vector<LogEntry>& entries) {
    for (const auto& entry : entries) {
        session.log.push_back(MakeRecord(entry));
        bool known = false;
        for (const auto& band : session.worked_bands)
            known = known || band == entry.band;
        if (!known)
            session.worked_bands.push_back(entry.band);
    }
}
