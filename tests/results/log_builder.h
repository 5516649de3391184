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

// Own station XX9OWN in I, Europe; bands arrive 20m, 80m, 10m; one dupe, ICAO codes on 20m in
// two classes and on 10m, rates measured on 20m.
inline const std::vector<LogEntry> kMixedLog = {
    {.call = "XX1ABC", .band = "20m", .mode = "CW", .received = "001", .minute = 0},
    {.call = "IK1AAA",
     .band = "80m",
     .mode = "SSB",
     .received = "002",
     .country = "I",
     .minute = 5},
    {.call = "W1AW",
     .band = "20m",
     .mode = "RTTY",
     .received = "LIRF",
     .country = "K",
     .continent = "NA",
     .minute = 10},
    {.call = "XX1ABC", .band = "20m", .mode = "CW", .received = "003", .minute = 12, .dupe = true},
    {.call = "JA1XX",
     .band = "10m",
     .mode = "BPSK63",
     .received = "LIML",
     .country = "JA",
     .continent = "AS",
     .minute = 20},
    {.call = "VK2AA",
     .band = "20m",
     .mode = "SSB",
     .received = "LIRF",
     .country = "VK",
     .continent = "OC",
     .minute = 30},
    {.call = "ZS1A",
     .band = "20m",
     .mode = "CW",
     .received = "017",
     .country = "ZS",
     .continent = "AF",
     .minute = 55},
};

// The own station and contest texts that the session start would set.
inline void SetSessionTexts(SessionState& session) {
    session.own_call = "XX9OWN";
    session.own_country = "I";
    session.own_continent = "EU";
    session.contest_start_text = "01.02";
    session.contest_end_text = "03.02.2008";
    session.contest_year_text = "2008";
    session.bad_qso_file = "BadQSO_StatsTORV_03_02_2008.txt";
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
