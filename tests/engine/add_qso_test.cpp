// Adding QSOs on the native services: the contest rules, the stored record, dupes and the
// report lines of rejected QSOs and dupes.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/engine/engine_test_app.h"

namespace {

const std::string kTitle = "TORV Contest UBN file \r\n";

class AddQsoTest : public ::testing::Test {
  protected:
    void SetUp() override { t.start(); }
    EngineTestApp t;
};

TEST_F(AddQsoTest, RejectedQsosLeaveOnlyTheirReportLine) {
    struct Row {
        const char* name;
        const char* band;
        const char* mode;
        const char* exchange_sent;
        const char* exchange_received;
        const char* reason;
    };
    const Row rows[] = {
        {"160m is no contest band", "160m", "CW", "001", "001", "   WRONG BAND !!!"},
        {"empty band", "", "CW", "001", "001", "   WRONG BAND !!!"},
        {"BPSK31 is no contest mode", "20m", "BPSK31", "001", "001", "   WRONG MODE !!!"},
        {"wrong band and mode: band first", "6m", "FM", "001", "001", "   WRONG BAND !!!"},
        {"no exchange received", "20m", "CW", "001", "", "   NO RX NUMBER !!!"},
        {"no exchange sent", "20m", "CW", "", "001", "   NO RX NUMBER !!!"},
        {"wrong mode before no exchange", "20m", "AM", "", "", "   WRONG MODE !!!"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EngineTestApp app;
        app.start();
        QsoArgs q = contest_qso();
        q.band = row.band;
        q.mode = row.mode;
        q.exchange_sent = row.exchange_sent;
        q.exchange_received = row.exchange_received;
        EXPECT_EQ(app.add(q), 0);
        EXPECT_TRUE(app.state().log.empty());
        EXPECT_TRUE(app.state().worked_bands.empty());
        std::string line = std::string("QSO:  14025  ") + row.mode +
                           "  2008-02-02 1342  XX9OWN  599  " + row.exchange_sent +
                           "  XX1ABC  599  " + row.exchange_received + row.reason + "\r\n";
        EXPECT_EQ(app.report(), kTitle + line);
    }
}

TEST_F(AddQsoTest, StoresTheRecordAsTheContestLogKeepsIt) {
    QsoArgs q = contest_qso();
    q.frequency_hz = 14025500;
    q.report_sent = "579";
    q.report_received = "589";
    q.exchange_sent = "LIRF";
    q.exchange_received = "7";
    EXPECT_EQ(t.add(q), 1);
    SessionState s = t.state();
    ASSERT_EQ(s.log.size(), 1u);
    const CInfo& r = s.log[0];
    EXPECT_EQ(r.worked_call, "XX1ABC");
    EXPECT_EQ(r.worked_country, "DL");
    EXPECT_EQ(r.worked_continent, "EU");
    EXPECT_EQ(r.band, "20m");
    EXPECT_EQ(r.mode, "CW");
    EXPECT_EQ(r.mode_class, "CW");
    EXPECT_EQ(r.sent_report, "579");
    EXPECT_EQ(r.received_report, "589");
    EXPECT_EQ(r.sent_exchange, "LIRF");
    EXPECT_EQ(r.received_exchange, "007");
    EXPECT_EQ(r.multiplier_key, "");
    EXPECT_EQ(r.frequency_khz, 14025u);
    EXPECT_EQ(r.not_counted, 0);
    EXPECT_EQ(r.dupe, 0);
    EXPECT_TRUE(r.qso_time.same_time(q.qso_time));
    EXPECT_EQ(s.worked_bands, StringList{"20m"});
    EXPECT_EQ(t.report(), kTitle) << "an accepted QSO adds no line";
}

TEST_F(AddQsoTest, SerialNumbersArePaddedAndIcaoCodesBecomeMultiplierKeys) {
    struct Row {
        const char* received;
        const char* stored;
        const char* key;
    };
    const Row rows[] = {
        {"5", "005", ""},
        {"12", "012", ""},
        {"123", "123", ""},
        {"1234", "1234", ""},
        {"0", "000", ""},
        {"-1", "0-1", ""},
        {"lirf", "lirf", "LIRF"},
        {"LIRF", "LIRF", "LIRF"},
        {" LIRF", " LIRF", ""},
        {"LIRF \t", "LIRF \t", "LIRF"},
        {"Lirf1", "Lirf1", "LIRF1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string("[") + row.received + "]");
        EngineTestApp app;
        app.start();
        QsoArgs q = contest_qso();
        q.exchange_received = row.received;
        ASSERT_EQ(app.add(q), 1);
        EXPECT_EQ(app.state().log.at(0).received_exchange, row.stored);
        EXPECT_EQ(app.state().log.at(0).multiplier_key, row.key);
    }
}

TEST_F(AddQsoTest, FrequencyIsRoundedDownToKilohertzInRecordAndLine) {
    QsoArgs q = contest_qso();
    q.frequency_hz = 999;
    EXPECT_EQ(t.add(q), 1);
    EXPECT_EQ(t.add(q), 1);
    EXPECT_EQ(t.state().log.at(0).frequency_khz, 0u);
    EXPECT_EQ(t.report(), kTitle +
                              "QSO:  0  CW  2008-02-02 1342  XX9OWN  599  001  XX1ABC  599  001"
                              "   DUPE !!!\r\n");
}

// Bands and modes are stored in the tables' spelling, so that every later comparison of the
// log sees one spelling; report lines keep the host's texts.
TEST_F(AddQsoTest, BandsAndModesAreStoredInTheTablesSpelling) {
    QsoArgs q = contest_qso();
    EXPECT_EQ(t.add(q), 1);
    q.call = "XX2ABC";
    q.band = "20M";
    q.mode = "rtty";
    EXPECT_EQ(t.add(q), 1);
    SessionState s = t.state();
    ASSERT_EQ(s.log.size(), 2u);
    EXPECT_EQ(s.log[1].band, "20m");
    EXPECT_EQ(s.log[1].mode, "RTTY");
    EXPECT_EQ(s.log[1].mode_class, "DIGI");
    EXPECT_EQ(s.worked_bands, StringList{"20m"});

    q.call = "XX3ABC";
    q.band = "160M";
    q.mode = "Cw";
    EXPECT_EQ(t.add(q), 0);
    EXPECT_NE(t.report().find("  Cw  "), std::string::npos);
}

TEST_F(AddQsoTest, DupesAreStoredFlaggedAndReported) {
    struct Step {
        const char* call;
        const char* band;
        const char* mode;
        bool dupe;
    };
    const Step steps[] = {
        {"XX1ABC", "20m", "CW", false},    {"XX1ABC", "20m", "CW", true},
        {"XX1ABC", "20m", "SSB", false},   {"XX1ABC", "40m", "CW", false},
        {"xx1abc", "20m", "CW", true},  // calls compare ignoring letter case
        {"XX1ABC", "20M", "cw", true},     {"XX5MNO", "10m", "RTTY", false},
        {"XX5MNO", "10m", "BPSK63", true},  // one class DIGI
        {"XX5MNO", "10m", "rtty", true},   {"XX1ABCD", "20m", "CW", false},
    };
    int dupes = 0;
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        const Step& step = steps[i];
        SCOPED_TRACE(std::to_string(i) + " " + step.call + " " + step.band + " " + step.mode);
        QsoArgs q = contest_qso();
        q.call = step.call;
        q.band = step.band;
        q.mode = step.mode;
        EXPECT_EQ(t.add(q), 1);
        SessionState s = t.state();
        ASSERT_EQ(s.log.size(), i + 1);
        EXPECT_EQ(s.log.back().dupe, step.dupe ? 1 : 0);
        EXPECT_EQ(s.log.back().not_counted, step.dupe ? 1 : 0);
        EXPECT_EQ(s.log.back().worked_call, step.call) << "the host's spelling is kept";
        dupes += step.dupe ? 1 : 0;
    }
    std::string report = t.report();
    std::size_t lines = 0, at = 0;
    while ((at = report.find("   DUPE !!!\r\n", at)) != std::string::npos) {
        ++lines;
        ++at;
    }
    EXPECT_EQ(lines, static_cast<std::size_t>(dupes));
    EXPECT_NE(report.find("  xx1abc  599  001   DUPE !!!\r\n"), std::string::npos);
}

TEST_F(AddQsoTest, WorkedBandsHoldEachBandOnceInArrivalOrder) {
    for (const char* band : {"40m", "20m", "20M", "40m", "160m", "10m"}) {
        QsoArgs q = contest_qso();
        q.band = band;
        q.call = std::string("XX") + band;
        t.add(q);
    }
    EXPECT_EQ(t.state().worked_bands, (StringList{"40m", "20m", "10m"}));
}

TEST_F(AddQsoTest, ControlCharactersCannotBreakTheReportLines) {
    QsoArgs q = contest_qso();
    q.band = "160m";
    q.own_call = "XX9\r\nOWN";
    q.call = "XX1\nABC";
    q.mode = "C\tW";
    q.report_sent = std::string(
        "5\0"
        "9",
        3);
    q.exchange_received =
        "\x1f"
        "01";
    EXPECT_EQ(t.add(q), 0);
    EXPECT_EQ(t.report(), kTitle +
                              "QSO:  14025  C W  2008-02-02 1342  XX9  OWN  5 9  001  XX1 ABC  "
                              "599   01   WRONG BAND !!!\r\n");
}

TEST_F(AddQsoTest, InvalidAndNullTimesAreWrittenAsTheDateFormatGivesThem) {
    QsoArgs q = contest_qso();
    q.band = "160m";
    q.qso_time = OleDateTime::null();
    t.add(q);
    q.qso_time = OleDateTime(1e300, OleDateTime::Status::valid);
    t.add(q);
    EXPECT_EQ(t.report(),
              kTitle +
                  "QSO:  14025  CW    XX9OWN  599  001  XX1ABC  599  001"
                  "   WRONG BAND !!!\r\n"
                  "QSO:  14025  CW  Invalid DateTime  XX9OWN  599  001  XX1ABC  599  001"
                  "   WRONG BAND !!!\r\n");
}

TEST_F(AddQsoTest, ADeletedReportFileIsRecreatedWithoutTitle) {
    std::filesystem::remove(t.folder.path() / kReportFile);
    EXPECT_EQ(t.add(contest_qso()), 1);
    EXPECT_TRUE(t.folder.exists(kReportFile));
    EXPECT_EQ(t.report(), "");
    EXPECT_EQ(t.add(contest_qso()), 1);
    EXPECT_EQ(t.report(),
              "QSO:  14025  CW  2008-02-02 1342  XX9OWN  599  001  XX1ABC  599  001"
              "   DUPE !!!\r\n");
}

// Without a report file the QSOs are handled all the same.
TEST(AddQsoWithoutReportFile, QsosAreHandledAsUsual) {
    struct Case {
        const char* name;
        bool start_session;
        bool folder_in_place;
    };
    const Case cases[] = {
        {"before the first session start: no file name", false, false},
        {"a folder in the file's place", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EngineTestApp app;
        if (c.start_session)
            app.start();
        if (c.folder_in_place) {
            std::filesystem::remove(app.folder.path() / kReportFile);
            std::filesystem::create_directory(app.folder.path() / kReportFile);
        }
        QsoArgs q = contest_qso();
        EXPECT_EQ(app.add(q), 1);
        EXPECT_EQ(app.add(q), 1);
        q.band = "160m";
        EXPECT_EQ(app.add(q), 0);
        SessionState s = app.state();
        ASSERT_EQ(s.log.size(), 2u);
        EXPECT_EQ(s.log[1].dupe, 1);
        EXPECT_EQ(s.worked_bands, StringList{"20m"});
        if (c.folder_in_place)
            EXPECT_TRUE(std::filesystem::is_directory(app.folder.path() / kReportFile));
        else
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(app.folder.path()),
                                    std::filesystem::directory_iterator()),
                      1)
                << "only the Plugins folder";
    }
}

}  // namespace
