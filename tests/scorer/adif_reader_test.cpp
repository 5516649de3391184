// ADIF records turned into the QSOs the host would hand over.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "tools/torv-score/log_reader.h"

using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

std::string field(std::string_view name, std::string_view value) {
    return "<" + std::string(name) + ":" + std::to_string(value.size()) + ">" + std::string(value) +
           " ";
}

// A complete record with the given fields put in front; a later field of the same name does
// not count.
std::string record(const std::string& fields) {
    return fields + field("CALL", "XX1ABC") + field("QSO_DATE", "20240115") +
           field("TIME_ON", "1205") + field("BAND", "20m") + field("MODE", "CW") + "<EOR>\n";
}

LogQso only_qso(const std::string& text) {
    const ContestLogFile log = read_adif_log(text);
    EXPECT_THAT(log.skipped, IsEmpty());
    EXPECT_EQ(log.qsos.size(), 1u);
    return log.qsos.empty() ? LogQso{} : log.qsos.front();
}

std::string skip_reason(const std::string& text) {
    const ContestLogFile log = read_adif_log(text);
    EXPECT_THAT(log.qsos, IsEmpty());
    EXPECT_EQ(log.skipped.size(), 1u);
    return log.skipped.empty() ? std::string() : log.skipped.front().reason;
}

}  // namespace

TEST(ReadAdifLog, MapsModeAndSubmodeToTheHostsModeText) {
    const struct {
        const char* mode;
        const char* submode;  // "" for none
        const char* expected;
    } cases[] = {
        {"CW", "", "CW"},
        {"cw", "", "CW"},
        {"CW", "PCW", "CW"},
        {"SSB", "", "SSB"},
        {"SSB", "USB", "SSB"},
        {"ssb", "lsb", "SSB"},
        {"USB", "", "SSB"},
        {"LSB", "", "SSB"},
        {"RTTY", "", "RTTY"},
        {"rtty", "", "RTTY"},
        {"PSK", "PSK63", "BPSK63"},
        {"psk", "bpsk63", "BPSK63"},
        {"PSK63", "", "BPSK63"},
        {"PSK", "PSK31", "PSK31"},
        {"PSK", "QPSK63", "QPSK63"},
        {"FT8", "", "FT8"},
        {"MFSK", "FT4", "FT4"},
        {"AM", "", "AM"},
        {"Olivia", "", "Olivia"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + "/" + c.submode);
        std::string fields = field("MODE", c.mode);
        if (*c.submode)
            fields += field("SUBMODE", c.submode);
        EXPECT_EQ(only_qso(record(fields)).mode, c.expected);
    }
}

TEST(ReadAdifLog, TakesTheBandFromBandOrElseFromTheFrequency) {
    const struct {
        const char* band;  // "" for no BAND field
        const char* freq;  // "" for no FREQ field
        const char* expected_band;
        unsigned expected_hz;
    } cases[] = {
        {"20M", "", "20m", 0},
        {"160m", "", "160m", 0},  // not a contest band: the plug-in rejects it
        {"40m", "14.025", "40m", 14025000},
        {"", "14.025", "20m", 14025000},
        {"", "3.5", "80m", 3500000},
        {"", "29.7", "10m", 29700000},
        {"", "1.8305", "160m", 1830500},
        {"", "7.0251234", "40m", 7025123},
        {"", "7.0251236", "40m", 7025124},
        {"", " 21.3 ", "15m", 21300000},
        {"", "144.3", "2m", 144300000},
        {"", "10368.1", "3cm", 0},  // beyond what an unsigned count of Hz holds
        {"11m", "", "11m", 0},      // unknown band passed on for the plug-in to reject
        {"11m", "27.555", "11m", 27555000},
        {"bogus", "28.5", "10m", 28500000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.band) + " " + c.freq);
        std::string fields = field("CALL", "XX9ZZZ") + field("QSO_DATE", "20240115") +
                             field("TIME_ON", "1205") + field("MODE", "CW");
        if (*c.band)
            fields += field("BAND", c.band);
        if (*c.freq)
            fields += field("FREQ", c.freq);
        const LogQso qso = only_qso(fields + "<EOR>");
        EXPECT_EQ(qso.band, c.expected_band);
        EXPECT_EQ(qso.frequency_hz, c.expected_hz);
    }
}

TEST(ReadAdifLog, UnreadableFrequencyGivesZeroHz) {
    for (const char* freq : {"abc", "nan", "NaN", "inf", "-14.025", "1e3", "14,025", "0",
                             "99999999999999999999999999999999999999999", "14.025x", ""}) {
        SCOPED_TRACE(freq);
        EXPECT_EQ(only_qso(record(field("FREQ", freq))).frequency_hz, 0u);
    }
}

TEST(ReadAdifLog, ReadsDateWithTimeOfFourOrSixDigits) {
    const struct {
        const char* date;
        const char* time;
        int hour, minute, second;
    } cases[] = {
        {"20240115", "1205", 12, 5, 0},
        {"20240115", "120530", 12, 5, 30},
        {"20240229", "0000", 0, 0, 0},
        {"20241231", "235959", 23, 59, 59},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.date) + " " + c.time);
        const LogQso qso = only_qso(record(field("QSO_DATE", c.date) + field("TIME_ON", c.time)));
        CalendarFields f;
        ASSERT_TRUE(qso.time.fields(f));
        EXPECT_EQ(std::stoi(c.date), f.year * 10000 + f.month * 100 + f.day);
        EXPECT_EQ(f.hour, c.hour);
        EXPECT_EQ(f.minute, c.minute);
        EXPECT_EQ(f.second, c.second);
    }
}

TEST(ReadAdifLog, SkipsRecordsThatCannotBeScoredWithTheReason) {
    const std::string common = field("BAND", "20m") + field("MODE", "CW");
    const std::string when = field("QSO_DATE", "20240115") + field("TIME_ON", "1205");
    const struct {
        const char* name;
        std::string text;
        const char* reason;
    } cases[] = {
        {"no call", when + common + "<EOR>", "no CALL"},
        {"blank call", field("CALL", "  ") + when + common + "<EOR>", "no CALL"},
        {"no date", field("CALL", "XX1ABC") + field("TIME_ON", "1205") + common + "<EOR>",
         "no QSO_DATE"},
        {"no time", field("CALL", "XX1ABC") + field("QSO_DATE", "20240115") + common + "<EOR>",
         "no TIME_ON"},
        {"date not a date", record(field("QSO_DATE", "2024-01-15")), "QSO_DATE 2024-01-15"},
        {"date of a short month", record(field("QSO_DATE", "20230229")), "QSO_DATE 20230229"},
        {"hour 24", record(field("TIME_ON", "2400")), "TIME_ON 2400"},
        {"minute 60", record(field("TIME_ON", "1260")), "TIME_ON 1260"},
        {"time of five digits", record(field("TIME_ON", "12055")), "TIME_ON 12055"},
        {"short date", record(field("QSO_DATE", "20")), "no valid date and time"},
        {"control characters",
         record(field("QSO_DATE",
                      "2024\x01\x02"
                      "15")),
         "QSO_DATE 2024??15"},
        {"no band, no frequency", field("CALL", "XX1ABC") + when + field("MODE", "CW") + "<EOR>",
         "no BAND and no FREQ"},
        {"no band, frequency outside",
         field("CALL", "XX1ABC") + when + field("FREQ", "12.5") + "<EOR>",
         "FREQ 12.5 MHz lies in no amateur band"},
        {"no band, frequency garbage",
         field("CALL", "XX1ABC") + when + field("FREQ", "abc") + "<EOR>",
         "FREQ abc MHz lies in no amateur band"},
        {"broken record", record("<NOTES:x>"), "broken record: a malformed tag"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THAT(skip_reason(c.text), HasSubstr(c.reason));
    }
}

TEST(ReadAdifLog, ReadsReportsExchangesAndStationCall) {
    const struct {
        const char* name;
        std::string fields;
        const char *report_sent, *report_received, *exchange_sent, *exchange_received,
            *station_call;
    } cases[] = {
        {"string forms",
         field("RST_SENT", "599") + field("RST_RCVD", "579") + field("STX_STRING", "LIRF") +
             field("STX", "7") + field("SRX_STRING", "EDDF") + field("SRX", "12") +
             field("STATION_CALLSIGN", "XX9OWN") + field("OPERATOR", "XX9OP"),
         "599", "579", "LIRF", "EDDF", "XX9OWN"},
        {"numbers and operator",
         field("STX", "7") + field("SRX", "12") + field("OPERATOR", "XX9OP"), "", "", "7", "12",
         "XX9OP"},
        {"empty string forms fall back",
         field("STX_STRING", "") + field("STX", "7") + field("SRX_STRING", " ") +
             field("SRX", "12") + field("STATION_CALLSIGN", ""),
         "", "", "7", "12", ""},
        {"nothing", "", "", "", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const LogQso qso = only_qso(record(c.fields));
        EXPECT_EQ(qso.report_sent, c.report_sent);
        EXPECT_EQ(qso.report_received, c.report_received);
        EXPECT_EQ(qso.exchange_sent, c.exchange_sent);
        EXPECT_EQ(qso.exchange_received, c.exchange_received);
        EXPECT_EQ(qso.station_call, c.station_call);
    }
}

TEST(ReadAdifLog, KeepsLogOrderAndNumbersAndNamesTheOwnCall) {
    const std::string text =
        "made by hand\r\n<ADIF_VER:5>3.1.4 <EOH>\r\n" + record(field("CALL", "XX1AAA")) +  // 1
        record(field("CALL", "") + field("STATION_CALLSIGN", "XX9ONE")) +        // 2: no call
        record(field("CALL", "XX1BBB") + field("STATION_CALLSIGN", "XX9OWN")) +  // 3
        record(field("CALL", "XX1CCC") + field("STATION_CALLSIGN", "XX9TWO")) +  // 4
        "<CALL:6>XX1DDD<QSO_DATE:8>20240115";                                    // 5: no EOR
    const ContestLogFile log = read_adif_log(text);
    EXPECT_EQ(log.format, ContestLogFile::Format::adif);
    ASSERT_EQ(log.qsos.size(), 3u);
    EXPECT_EQ(log.qsos[0].call, "XX1AAA");
    EXPECT_EQ(log.qsos[0].record_number, 1u);
    EXPECT_EQ(log.qsos[1].call, "XX1BBB");
    EXPECT_EQ(log.qsos[1].record_number, 3u);
    EXPECT_EQ(log.qsos[2].call, "XX1CCC");
    EXPECT_EQ(log.qsos[2].record_number, 4u);
    ASSERT_EQ(log.skipped.size(), 2u);
    EXPECT_EQ(log.skipped[0].record_number, 2u);
    EXPECT_EQ(log.skipped[1].record_number, 5u);
    EXPECT_THAT(log.skipped[1].reason, HasSubstr("does not end with <EOR>"));
    // The first QSO that names its station: a skipped record names nothing.
    EXPECT_EQ(log.own_call, "XX9OWN");
    EXPECT_THAT(log.header, IsEmpty());
    EXPECT_THAT(log.warnings, IsEmpty());
}

TEST(ReadAdifLog, WarnsOfABrokenHeader) {
    const ContestLogFile log = read_adif_log("<ADIF_VER:>3<EOH>" + record(""));
    ASSERT_EQ(log.warnings.size(), 1u);
    EXPECT_THAT(log.warnings[0], HasSubstr("malformed tag"));
    EXPECT_EQ(log.qsos.size(), 1u);
}
