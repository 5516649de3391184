// Cabrillo logs, above all those the plug-in's own writer makes, read back into QSOs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cabrillo/cabrillo_writer.h"
#include "tools/torv-score/log_reader.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Pair;

namespace {

std::string cabrillo(const std::string& qso_lines) {
    return "START-OF-LOG: 3.0\r\nCALLSIGN: XX9OWN\r\n" + qso_lines + "END-OF-LOG:\r\n";
}

LogQso only_qso(const std::string& line) {
    const ContestLogFile log = read_cabrillo_log(cabrillo(line));
    EXPECT_THAT(log.skipped, IsEmpty());
    EXPECT_EQ(log.qsos.size(), 1u);
    return log.qsos.empty() ? LogQso{} : log.qsos.front();
}

}  // namespace

TEST(ReadCabrilloLog, RoundTripsWhatThePluginsWriterWrites) {
    const OleDateTime noon = OleDateTime::from_fields(2018, 3, 10, 12, 5, 0);
    const struct {
        CabrilloQso written;
        const char* band;
        const char* mode;
    } cases[] = {
        {{"XX9OWN", "XX1ABC", 7025, "CW", noon, "599", "001", "599", "017"}, "40m", "CW"},
        {{"XX9OWN", "XX1ABC", 14250, "PH", noon, "59", "001", "57", "LIRF"}, "20m", "SSB"},
        {{"XX9OWN", "XX1ABC", 21080, "RY", noon, "599", "LIRF", "599", "EDDF"}, "15m", "RTTY"},
        {{"XX9OWN", "XX1ABC", 28120, "PM", noon, "599", "002", "599", "123"}, "10m", "BPSK63"},
        {{"XX9OWN", "XX1ABC", 3525, "??", noon, "599", "003", "599", "004"}, "80m", "??"},
        {{"XX9OWN", "XX1ABC", 1830, "CW", noon, "599", "003", "599", "004"}, "160m", "CW"},
        {{"XX9OWN", "XX1ABCDEFGHIJK", 144300, "CW", noon, "599", "005", "599", "006"}, "2m", "CW"},
        {{"XX9OWN", "XX1ABC", 7025, "CW", noon, "", "007", "599", "008"}, "40m", "CW"},
        {{"XX9OWN", "XX1ABC", 7025, "CW", noon, "599", "", "", "009"}, "40m", "CW"},
        {{"XX9OWN", "XX1ABC", 7025, "CW", noon, "599", "1234567", "599", "010"}, "40m", "CW"},
    };
    std::vector<std::string> lines;
    for (const auto& c : cases)
        lines.push_back(FormatQsoLine(c.written));
    CabrilloHeader header;
    header.own_call = "XX9OWN";
    header.soapbox = "first line\r\nsecond: line";
    const ContestLogFile log = read_contest_log(CabrilloFileText(header, lines, "2.20"));

    EXPECT_EQ(log.format, ContestLogFile::Format::cabrillo);
    EXPECT_EQ(log.own_call, "XX9OWN");
    EXPECT_THAT(log.skipped, IsEmpty());
    ASSERT_EQ(log.qsos.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const CabrilloQso& written = cases[i].written;
        const LogQso& read = log.qsos[i];
        SCOPED_TRACE(lines[i]);
        EXPECT_EQ(read.record_number, i + 1);
        EXPECT_EQ(read.call, written.worked_call);
        EXPECT_EQ(read.band, cases[i].band);
        EXPECT_EQ(read.mode, cases[i].mode);
        EXPECT_EQ(read.frequency_hz, written.frequency_khz * 1000);
        EXPECT_TRUE(read.time.same_time(written.time));
        EXPECT_EQ(read.station_call, written.own_call);
        EXPECT_EQ(read.report_sent, written.sent_report);
        EXPECT_EQ(read.exchange_sent, written.sent_exchange);
        EXPECT_EQ(read.report_received, written.received_report);
        EXPECT_EQ(read.exchange_received, written.received_exchange);
    }
    EXPECT_THAT(log.header, testing::Contains(Pair("SOAPBOX", "second: line")));
    EXPECT_THAT(log.header, testing::Contains(Pair("CREATED-BY", "Norl 2.20")));
}

TEST(ReadCabrilloLog, ReadsHeaderLinesInOrder) {
    const ContestLogFile log = read_cabrillo_log(
        "START-OF-LOG: 3.0\nCONTEST:TORV\nCALLSIGN:  XX9OWN \nSOAPBOX:\n"
        "this line has no tag\n"
        "QSO:  7025 CW 2018-03-10 1205 XX9OWN        599 001    XX1ABC        599 017\n"
        "END-OF-LOG:\n");
    EXPECT_THAT(log.header, ElementsAre(Pair("START-OF-LOG", "3.0"), Pair("CONTEST", "TORV"),
                                        Pair("CALLSIGN", "XX9OWN"), Pair("SOAPBOX", "")));
    EXPECT_EQ(log.own_call, "XX9OWN");
    EXPECT_EQ(log.qsos.size(), 1u);
}

TEST(ReadCabrilloLog, ReadsFrequenciesAndBandDesignations) {
    const struct {
        const char* frequency;
        const char* band;
        unsigned hz;
    } cases[] = {
        {"3500", "80m", 3500000},
        {"4000", "80m", 4000000},
        {"7025", "40m", 7025000},
        {"14000", "20m", 14000000},
        {"14350", "20m", 14350000},
        {"21025.5", "15m", 21025500},
        {"28000", "10m", 28000000},
        {"29700", "10m", 29700000},
        {"1800", "160m", 1800000},
        {"10120", "30m", 10120000},
        {"50", "6m", 0},
        {"144", "2m", 0},
        {"1.2G", "23cm", 0},
        {"light", "submm", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frequency);
        const LogQso qso = only_qso(std::string("QSO: ") + c.frequency +
                                    " CW 2018-03-10 1205 XX9OWN 599 001 XX1ABC 599 017\n");
        EXPECT_EQ(qso.band, c.band);
        EXPECT_EQ(qso.frequency_hz, c.hz);
    }
}

TEST(ReadCabrilloLog, MapsModeAbbreviations) {
    const struct {
        const char* abbreviation;
        const char* mode;
    } cases[] = {{"CW", "CW"},  {"PH", "SSB"}, {"RY", "RTTY"}, {"PM", "BPSK63"},
                 {"ph", "SSB"}, {"FM", "FM"},  {"DG", "DG"},   {"??", "??"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.abbreviation);
        EXPECT_EQ(only_qso(std::string("QSO: 7025 ") + c.abbreviation +
                           " 2018-03-10 1205 XX9OWN 599 001 XX1ABC 599 017\n")
                      .mode,
                  c.mode);
    }
}

TEST(ReadCabrilloLog, AcceptsATransmitterNumber) {
    const LogQso qso = only_qso("QSO: 7025 CW 2018-03-10 2359 XX9OWN 599 001 XX1ABC 599 017 1\n");
    EXPECT_EQ(qso.exchange_received, "017");
    CalendarFields f;
    ASSERT_TRUE(qso.time.fields(f));
    EXPECT_EQ(f.hour * 100 + f.minute, 2359);
}

TEST(ReadCabrilloLog, SkipsWhatItCannotReadWithTheLineRecordNumber) {
    const struct {
        const char* name;
        const char* line;
        const char* reason;
    } cases[] = {
        {"X-QSO", "X-QSO: 7025 CW 2018-03-10 1205 XX9OWN 599 001 XX1ABC 599 017", "X-QSO"},
        {"too few fields", "QSO: 7025 CW 2018-03-10 1205 XX9OWN 599 001 XX1ABC", "this one 8"},
        {"too many fields", "QSO: 7025 CW 2018-03-10 1205 XX9OWN 599 001 XX1ABC 599 017 1 2",
         "this one 12"},
        {"empty", "QSO:", "this one 0"},
        {"frequency outside", "QSO: 12500 CW 2018-03-10 1205 XX9OWN 599 001 XX1ABC 599 017",
         "12500 kHz lies in no amateur band"},
        {"frequency garbage", "QSO: 7O25 CW 2018-03-10 1205 XX9OWN 599 001 XX1ABC 599 017",
         "7O25 kHz"},
        {"frequency NaN", "QSO: nan CW 2018-03-10 1205 XX9OWN 599 001 XX1ABC 599 017", "nan"},
        {"invalid date", "QSO: 7025 CW 2018-02-30 1205 XX9OWN 599 001 XX1ABC 599 017",
         "2018-02-30 1205"},
        {"date in another form", "QSO: 7025 CW 20180310 1205 XX9OWN 599 001 XX1ABC 599 017",
         "20180310 1205"},
        {"time with seconds", "QSO: 7025 CW 2018-03-10 120500 XX9OWN 599 001 XX1ABC 599 017",
         "120500"},
        {"invalid time as written",
         "QSO:  7025 CW Invalid DateTime XX9OWN        599 001    XX1ABC        599 017",
         "Invalid DateTime"},
        {"null time as written", "QSO:  7025 CW  XX9OWN        599 001    XX1ABC        599 017",
         "this one 8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string good = "QSO: 7025 CW 2018-03-10 1205 XX9OWN 599 001 XX1ABC 599 017\r\n";
        const ContestLogFile log = read_cabrillo_log(cabrillo(good + c.line + "\r\n" + good));
        ASSERT_EQ(log.skipped.size(), 1u);
        EXPECT_EQ(log.skipped[0].record_number, 2u);
        EXPECT_THAT(log.skipped[0].reason, HasSubstr(c.reason));
        ASSERT_EQ(log.qsos.size(), 2u);
        EXPECT_EQ(log.qsos[0].record_number, 1u);
        EXPECT_EQ(log.qsos[1].record_number, 3u);
    }
}

TEST(ReadContestLog, TellsTheFormatByTheContent) {
    const struct {
        const char* name;
        std::string text;
        bool cabrillo;
    } cases[] = {
        {"Cabrillo", "START-OF-LOG: 3.0\r\nEND-OF-LOG:\r\n", true},
        {"Cabrillo after blank lines and a byte order mark",
         "\xEF\xBB\xBF\r\n\n  start-of-log: 3.0\n", true},
        {"ADIF", "<CALL:6>XX1ABC<EOR>", false},
        {"ADIF header text naming Cabrillo", "Converted from START-OF-LOG: 3.0\n<EOH>", false},
        {"empty", "", false},
        {"only blanks", " \r\n\t", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(looks_like_cabrillo(c.text), c.cabrillo);
        EXPECT_EQ(read_contest_log(c.text).format,
                  c.cabrillo ? ContestLogFile::Format::cabrillo : ContestLogFile::Format::adif);
    }
}
