// Removing QSOs on the native services: the removal search, the report filter and rewrite, the
// multiplier lists and the refresh request.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/engine/engine_test_app.h"

namespace {

const std::string kTitle = "TORV Contest UBN file \r\n";

QsoArgs qso(const char* call, const char* band, const char* mode, OleDateTime time) {
    QsoArgs q = contest_qso();
    q.call = call;
    q.band = band;
    q.mode = mode;
    q.qso_time = time;
    return q;
}

class RemoveQsoTest : public ::testing::Test {
  protected:
    void SetUp() override { t.start(); }
    std::vector<std::string> calls_and_times() {
        std::vector<std::string> out;
        for (const auto& r : t.state().log)
            out.push_back(r.worked_call + " " + r.qso_time.Format("%H%M%S"));
        return out;
    }
    EngineTestApp t;
};

TEST_F(RemoveQsoTest, TakesOutTheFirstRecordOfCallBandClassAndTime) {
    const OleDateTime t1342 = at(2008, 2, 2, 13, 42), t1350 = at(2008, 2, 2, 13, 50);
    t.add(qso("XX1ABC", "20m", "CW", t1342));
    t.add(qso("XX1ABC", "20m", "CW", t1342));  // dupe at the same time
    t.add(qso("XX1ABC", "20m", "CW", t1350));  // dupe at another time
    t.add(qso("XX5MNO", "10m", "RTTY", t1342));
    t.add(qso("XX7STU", "40m", "SSB", t1342));

    struct Row {
        const char* name;
        QsoArgs removal;
        std::vector<std::string> left;
    };
    const Row rows[] = {
        {"one second off: nothing",
         qso("XX1ABC", "20m", "CW", at(2008, 2, 2, 13, 42, 1)),
         {"XX1ABC 134200", "XX1ABC 134200", "XX1ABC 135000", "XX5MNO 134200", "XX7STU 134200"}},
        {"other class: nothing",
         qso("XX1ABC", "20m", "SSB", t1342),
         {"XX1ABC 134200", "XX1ABC 134200", "XX1ABC 135000", "XX5MNO 134200", "XX7STU 134200"}},
        {"the dupe at its own time",
         qso("XX1ABC", "20m", "CW", t1350),
         {"XX1ABC 134200", "XX1ABC 134200", "XX5MNO 134200", "XX7STU 134200"}},
        {"same time: the earlier one, letter case ignored, band in any case",
         qso("xx1Abc", "20M", "cw", t1342),
         {"XX1ABC 134200", "XX5MNO 134200", "XX7STU 134200"}},
        {"RTTY found by BPSK63",
         qso("XX5MNO", "10m", "BPSK63", t1342),
         {"XX1ABC 134200", "XX7STU 134200"}},
        {"null time matches no valid time",
         qso("XX7STU", "40m", "SSB", OleDateTime::null()),
         {"XX1ABC 134200", "XX7STU 134200"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(t.remove(row.removal), 1);
        EXPECT_EQ(calls_and_times(), row.left);
    }
}

// A QSO is a dupe only while the log still holds an earlier one of its call, band and class.
TEST_F(RemoveQsoTest, ARemovedQsoNoLongerMakesTheNextOneADupe) {
    const OleDateTime t1342 = at(2008, 2, 2, 13, 42), t1350 = at(2008, 2, 2, 13, 50);
    auto last_is_dupe = [&] { return t.state().log.back().dupe == 1; };
    t.add(qso("XX1ABC", "20m", "CW", t1342));
    t.add(qso("XX1ABC", "20m", "CW", t1350));
    EXPECT_TRUE(last_is_dupe());

    t.remove(qso("xx1abc", "20m", "CW", t1350));
    t.add(qso("XX1ABC", "20m", "CW", t1350));
    EXPECT_TRUE(last_is_dupe()) << "the first record is still there";

    t.remove(qso("XX1ABC", "20m", "CW", t1342));
    t.remove(qso("XX1ABC", "20m", "CW", t1350));
    t.add(qso("XX1ABC", "20m", "CW", t1350));
    EXPECT_FALSE(last_is_dupe());

    t.start();
    t.add(qso("XX1ABC", "20m", "CW", t1350));
    EXPECT_FALSE(last_is_dupe()) << "a new session starts with no earlier QSO";
}

TEST_F(RemoveQsoTest, NullTimesMatchEachOtherButInvalidTimesMatchNothing) {
    const OleDateTime invalid(39480.5, OleDateTime::Status::invalid);
    t.add(qso("XX1ABC", "20m", "CW", invalid));
    t.add(qso("XX2ABC", "20m", "CW", OleDateTime::null()));
    t.remove(qso("XX1ABC", "20m", "CW", invalid));
    EXPECT_EQ(t.state().log.size(), 2u);
    t.remove(qso("XX2ABC", "20m", "CW", OleDateTime::null()));
    ASSERT_EQ(t.state().log.size(), 1u);
    EXPECT_EQ(t.state().log[0].worked_call, "XX1ABC");
}

// A line goes with the removed QSO only when it holds the call as a whole word and the QSO's
// date and time; every other line stays in its place.
TEST_F(RemoveQsoTest, DropsOnlyTheLinesOfTheRemovedQso) {
    const OleDateTime t1342 = at(2008, 2, 2, 13, 42);
    struct Line {
        const char* call;
        OleDateTime time;
        const char* band;
        bool dropped;
    };
    const Line lines[] = {
        {"XX1AB", t1342, "160m", true},                    // its rejection line
        {"XX1ABC", t1342, "160m", false},                  // a longer call with the call in it
        {"XX1AB", at(2008, 2, 3, 13, 42), "160m", false},  // same hour and minute, other day
        {"xx1ab", t1342, "6m", true},                      // letter case of the host
        {"XX1AB", at(2008, 2, 2, 13, 43), "160m", false},
        {"ZXX1AB", t1342, "160m", false},
        {"XX1AB", t1342, "20m", false},  // accepted, no line
        {"XX1AB", t1342, "20m", true},   // its dupe line
    };
    std::string expected = kTitle;
    for (const auto& line : lines) {
        std::string before = t.report();
        t.add(qso(line.call, line.band, "CW", line.time));
        if (!line.dropped)
            expected += t.report().substr(before.size());
    }
    EXPECT_EQ(t.remove(qso("XX1AB", "20m", "CW", t1342)), 1);
    EXPECT_EQ(t.report(), expected);
}

// The line wrote the call's control characters as blanks; the removal finds it all the same.
TEST_F(RemoveQsoTest, FindsTheLineOfACallWithControlCharacters) {
    QsoArgs wrong = qso("XX6\nPQR", "160m", "CW", at(2008, 2, 2, 13, 42));
    t.add(wrong);
    QsoArgs other = qso("PQR", "160m", "CW", at(2008, 2, 2, 13, 42));
    t.add(other);
    std::string report = t.report();
    std::string kept = report.substr(report.rfind("QSO:"));
    t.remove(wrong);
    EXPECT_EQ(t.report(), kTitle + kept);
}

TEST_F(RemoveQsoTest, KeepsAFirstLineThatIsNoTitle) {
    std::filesystem::remove(t.folder.path() / kReportFile);
    QsoArgs wrong = qso("XX2DEF", "160m", "CW", at(2008, 2, 2, 13, 42));
    t.add(wrong);
    std::string line = t.report();
    ASSERT_FALSE(line.empty());
    t.remove(qso("XX9ZZZ", "20m", "CW", at(2008, 2, 2, 13, 42)));
    EXPECT_EQ(t.report(), kTitle + line);
}

TEST_F(RemoveQsoTest, AMissingReportFileIsWrittenWithItsTitleAlone) {
    std::filesystem::remove(t.folder.path() / kReportFile);
    EXPECT_EQ(t.remove(contest_qso()), 1);
    EXPECT_EQ(t.report(), kTitle);
}

TEST_F(RemoveQsoTest, AReportFolderInTheFilesPlaceStopsNothing) {
    t.add(contest_qso());
    std::filesystem::remove(t.folder.path() / kReportFile);
    std::filesystem::create_directory(t.folder.path() / kReportFile);
    EXPECT_EQ(t.remove(contest_qso()), 1);
    EXPECT_TRUE(t.state().log.empty());
    EXPECT_TRUE(std::filesystem::is_directory(t.folder.path() / kReportFile));
}

TEST(RemoveQsoBeforeSessionStart, RemovesAndWritesNoFile) {
    EngineTestApp t;
    t.add(contest_qso());
    EXPECT_EQ(t.remove(contest_qso()), 1);
    EXPECT_TRUE(t.state().log.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.folder.path()),
                            std::filesystem::directory_iterator()),
              1)
        << "only the Plugins folder";
}

TEST_F(RemoveQsoTest, MultiplierListsAreEmptiedWithTheLastRecord) {
    QsoArgs second = contest_qso();
    second.call = "XX2ABC";
    t.add(contest_qso());
    t.add(second);
    auto fill = [&] {
        auto session = t.app.session().access();
        session->multiplier_lists[0][3] = {"LIRF"};
        session->multiplier_lists[2][5] = {"LIRA", "EDDF"};
    };
    fill();
    t.remove(second);
    EXPECT_EQ(t.state().multiplier_lists[2][5].size(), 2u) << "one record is left";
    t.remove(second);  // matches nothing: the log keeps its record
    EXPECT_EQ(t.state().multiplier_lists[0][3].size(), 1u);
    t.remove(contest_qso());
    for (const auto& lists : t.state().multiplier_lists)
        for (const auto& list : lists)
            EXPECT_TRUE(list.empty());
    fill();
    t.remove(contest_qso());  // an empty log stays empty, and so do the lists
    EXPECT_TRUE(t.state().multiplier_lists[2][5].empty());
}

TEST_F(RemoveQsoTest, AsksTheOpenOperatorWindowToRefresh) {
    t.app.session().access()->refresh_pending = false;
    t.remove(contest_qso());
    EXPECT_TRUE(t.state().refresh_pending);
    EXPECT_EQ(t.window.refreshes, 0) << "no window is open";

    t.window.open = true;
    t.app.session().access()->refresh_pending = false;
    t.remove(contest_qso());
    EXPECT_TRUE(t.state().refresh_pending);
    EXPECT_EQ(t.window.refreshes, 1);
}

}  // namespace
