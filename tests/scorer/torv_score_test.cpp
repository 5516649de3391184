// torv-score as a user runs it: the real program on real files in a temporary folder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/scorer/scorer_run.h"
#include "tests/support/temp_folder.h"

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

namespace {

const std::string kAdifHeader = "made up for a test\n<ADIF_VER:5>3.1.4 <EOH>\n";

std::string adif_qso(const std::string& call, const std::string& time, const std::string& band,
                     const std::string& mode, const std::string& received) {
    auto field = [](const std::string& name, const std::string& value) {
        return "<" + name + ":" + std::to_string(value.size()) + ">" + value + " ";
    };
    return field("CALL", call) + field("QSO_DATE", "20260314") + field("TIME_ON", time) +
           field("BAND", band) + field("FREQ", band == "20m" ? "14.025" : "14.030") +
           field("MODE", mode) + field("RST_SENT", "599") + field("RST_RCVD", "599") +
           field("STX_STRING", "001") + field("SRX_STRING", received) +
           field("STATION_CALLSIGN", "IK2TRV") + "<EOR>\n";
}

// Two QSOs that count, on 20m CW: one with a serial number (a German station, 2 points from
// Italy) and one with an ICAO code (10 points, one multiplier).
const std::string kSmallLog = kAdifHeader + adif_qso("DL1ABC", "1200", "20m", "CW", "5") +
                              adif_qso("W1AW", "1210", "20M", "CW", "LIRF");

class TorvScore : public ::testing::Test {
  protected:
    TempFolder folder;
    ScorerRun run(const std::string& args, const std::string& input = "") {
        return run_torv_score(folder, args, input);
    }
};

TEST_F(TorvScore, SampleLogGivesItsExpectedResult) {
    std::string expected_file =
        std::string(TORV_SCORE_SOURCE_DIR) + "/data/sample/torv-sample.expected.txt";
    std::ifstream in(expected_file, std::ios::binary);
    std::string expected((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(expected.empty()) << expected_file;

    ScorerRun scored = run(quoted(sample_log_path()) + " -o out");
    EXPECT_EQ(scored.status, 0) << scored.err;
    EXPECT_EQ(scored.out, expected);
    EXPECT_THAT(scored.err, HasSubstr("Bad-QSO report: " +
                                      (folder.path() / "out" / "BadQSO_StatsTORV_").string()));
    EXPECT_TRUE(folder.exists("out/Plugins/ICAO.sec"));
    EXPECT_TRUE(folder.exists("out/Plugins/TORV.ini"));
}

TEST_F(TorvScore, ScoresASmallLogByTheContestRules) {
    ScorerRun scored = run("-", kSmallLog);
    ASSERT_EQ(scored.status, 0) << scored.err;
    EXPECT_THAT(scored.out,
                StartsWith("\tTORV Contest 14.03-14.03.2026 \n\t\tContestant: IK2TRV\n"));
    EXPECT_THAT(scored.out, HasSubstr("20m\t 2\t 12\t 1\t 2\t 0\t 0\n"));
    EXPECT_THAT(scored.out, HasSubstr("Score = 12 *  1 = 12 \n"));
    EXPECT_THAT(scored.err, HasSubstr("Read 2 QSOs from standard input (ADIF); the plug-in "
                                      "stored 2. Own station IK2TRV (I, EU)."));
}

TEST_F(TorvScore, OptionsNameTheOwnStationAndTheContestDates) {
    folder.write("log.adi", kSmallLog);
    ScorerRun scored =
        run("log.adi --call DL9XX --country DL --continent EU "
            "--start 2026-03-14 --end '2026-03-15 12:00'");
    ASSERT_EQ(scored.status, 0) << scored.err;
    EXPECT_THAT(scored.out,
                StartsWith("\tTORV Contest 14.03-15.03.2026 \n\t\tContestant: DL9XX\n"));
    // DL1ABC is now in the own country: 1 point.
    EXPECT_THAT(scored.out, HasSubstr("20m\t 2\t 11\t 1\t 2\t 0\t 0\n"));
    EXPECT_TRUE(folder.exists("BadQSO_StatsTORV_15_03_2026.txt"));
}

TEST_F(TorvScore, RecordsThatCannotBeReadAreNamedAndCounted) {
    std::string log = kSmallLog +
                      "<CALL:5>XX1AA <QSO_DATE:8>2026031X <TIME_ON:4>1300 "
                      "<BAND:3>20m <MODE:2>CW <SRX_STRING:1>7 <EOR>\n"
                      "<QSO_DATE:8>20260314 <TIME_ON:4>1300 <BAND:3>20m <EOR>\n";
    folder.write("log.adi", log);
    ScorerRun scored = run("log.adi");
    EXPECT_EQ(scored.status, 3);
    EXPECT_THAT(scored.err, HasSubstr("Record 3 skipped: "));
    EXPECT_THAT(scored.err, HasSubstr("Record 4 skipped: "));
    EXPECT_THAT(scored.err, HasSubstr("2 record(s) could not be read and were skipped."));
    EXPECT_THAT(scored.out, HasSubstr("Score = 12 *  1 = 12 \n"));
}

TEST_F(TorvScore, ABrokenHeaderIsToldAndTheRecordsAreScored) {
    std::string log = kSmallLog;
    log.replace(log.find("<ADIF_VER:5>"), 12, "<ADIF_VER:x>");
    ScorerRun scored = run("-", log);
    EXPECT_EQ(scored.status, 0) << scored.err;
    EXPECT_THAT(scored.err, HasSubstr("ADIF header: "));
    EXPECT_THAT(scored.out, HasSubstr("Score = 12 *  1 = 12 \n"));
}

TEST_F(TorvScore, BadCommandLinesAndUnreadableFilesEndWithAMessage) {
    folder.write("log.adi", kSmallLog);
    folder.write("nocall.adi", kAdifHeader +
                                   "<CALL:6>DL1ABC <QSO_DATE:8>20260314 "
                                   "<TIME_ON:4>1200 <BAND:3>20m <MODE:2>CW <EOR>\n");
    fs::create_directories(folder.path() / "afolder");
    struct Case {
        std::string args;
        int status;
        std::string message;
    } cases[] = {
        {"missing.adi", 1, "torv-score: cannot read missing.adi: No such file or directory"},
        {"afolder", 1, "torv-score: cannot read afolder: it is a folder"},
        {"log.adi --cty missing.dat", 1, "missing.dat"},
        {"log.adi --icao missing.sec", 1, "cannot read the ICAO list"},
        {"", 2, "torv-score: no log given"},
        {"log.adi --frobnicate", 2, "unknown option --frobnicate"},
        {"log.adi log.adi", 2, "only one log"},
        {"log.adi --report", 2, "--report needs a value"},
        {"log.adi --start 2026-13-01", 2, "--start wants YYYY-MM-DD"},
        {"log.adi --end yesterday", 2, "--end wants YYYY-MM-DD"},
        {"nocall.adi", 2, "the log names no own call: give it with --call"},
        {"log.adi --call XX1XX", 2, "give --country and --continent"},
    };
    for (const Case& c : cases) {
        ScorerRun scored = run(c.args);
        EXPECT_EQ(scored.status, c.status) << c.args;
        EXPECT_THAT(scored.err, HasSubstr(c.message)) << c.args;
        EXPECT_EQ(scored.out, "") << c.args;
    }
}

TEST_F(TorvScore, HelpListsTheOptionsAndExitStatuses) {
    ScorerRun help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("Usage: torv-score [options] LOG"));
    EXPECT_THAT(help.out, HasSubstr("--soapbox TEXT"));
    EXPECT_THAT(help.out, HasSubstr("  3  scored, but some records could not be read"));
}

TEST_F(TorvScore, HtmlFormIsThePlugInsHtmlResult) {
    ScorerRun scored = run("--html -", kSmallLog);
    ASSERT_EQ(scored.status, 0) << scored.err;
    EXPECT_THAT(scored.out, StartsWith("<html><head><title>   TORV Contest 14.03-14.03.2026"));
    EXPECT_THAT(scored.out, HasSubstr("</table></body></html>"));
}

TEST_F(TorvScore, CabrilloFileHoldsTheHeaderOptionsAndEveryQso) {
    ScorerRun scored =
        run("--cabrillo --name 'Test Operator' --category-operator MULTI-OP "
            "--soapbox " +
                quoted("first line\nsecond line") + " -o out -",
            kSmallLog);
    ASSERT_EQ(scored.status, 0) << scored.err;
    EXPECT_THAT(scored.err,
                HasSubstr("Cabrillo file: " + (folder.path() / "out/IK2TRV.cbr").string()));
    std::string cabrillo = folder.read("out/IK2TRV.cbr");
    EXPECT_THAT(cabrillo, HasSubstr("\r\nNAME: Test Operator\r\n"));
    EXPECT_THAT(cabrillo, HasSubstr("\r\nCATEGORY-OPERATOR: MULTI-OP\r\n"));
    EXPECT_THAT(cabrillo, HasSubstr("\r\nSOAPBOX: first line\r\nSOAPBOX: second line\r\n"));
    EXPECT_THAT(cabrillo, HasSubstr("QSO: 14025 CW 2026-03-14 1200 IK2TRV"));
    EXPECT_THAT(folder.read("out/Plugins/TORV.ini"), HasSubstr("Test Operator"));
}

TEST_F(TorvScore, ItsOwnCabrilloFileScoresAsTheLogItCameFrom) {
    ScorerRun from_adif = run("--cabrillo -o adif " + quoted(sample_log_path()));
    ASSERT_EQ(from_adif.status, 0) << from_adif.err;
    ScorerRun from_cabrillo = run("-o cabrillo adif/IK2TRV.cbr");
    ASSERT_EQ(from_cabrillo.status, 0) << from_cabrillo.err;
    EXPECT_THAT(from_cabrillo.err, HasSubstr("(Cabrillo)"));
    // The export holds the stored QSOs only, so the rejected ones give no bad-QSO lines.
    auto without_bad_qsos = [](std::string text) {
        auto line = text.find("Bad QSO\t");
        return text.erase(line, text.find('\n', line) - line);
    };
    ScorerRun plain_adif = run("-o plain " + quoted(sample_log_path()));
    EXPECT_EQ(without_bad_qsos(from_cabrillo.out), without_bad_qsos(plain_adif.out));
}

TEST_F(TorvScore, IcaoListIsPlacedWhereThePlugInReadsIt) {
    folder.write("codes.sec", "LIRF\r\n");
    ScorerRun given = run("--icao codes.sec -o given -", kSmallLog);
    EXPECT_EQ(given.status, 0) << given.err;
    EXPECT_EQ(folder.read("given/Plugins/ICAO.sec"), "LIRF\r\n");

    folder.write("kept/Plugins/ICAO.sec", "EDDF\r\n");
    ScorerRun kept = run("-o kept -", kSmallLog);
    EXPECT_EQ(kept.status, 0) << kept.err;
    EXPECT_EQ(folder.read("kept/Plugins/ICAO.sec"), "EDDF\r\n");

    ScorerRun shipped = run("-o shipped -", kSmallLog);
    EXPECT_EQ(shipped.status, 0) << shipped.err;
    EXPECT_THAT(folder.read("shipped/Plugins/ICAO.sec"), Not(StartsWith("EDDF")));
    EXPECT_GT(folder.read("shipped/Plugins/ICAO.sec").size(), 10000u);
}

TEST_F(TorvScore, ReportShowsResultChartMultipliersAndBadQsos) {
    ScorerRun scored = run("--report report.html -o out " + quoted(sample_log_path()));
    ASSERT_EQ(scored.status, 0) << scored.err;
    EXPECT_THAT(scored.err, HasSubstr("Report: " + (folder.path() / "report.html").string()));
    std::string report = folder.read("report.html");
    EXPECT_THAT(report, StartsWith("<!DOCTYPE html>"));
    EXPECT_THAT(report, HasSubstr("<svg"));
    EXPECT_THAT(report, HasSubstr("Multipliers per band and mode class"));
    EXPECT_THAT(report, HasSubstr("WRONG BAND !!!"));
}

}  // namespace
