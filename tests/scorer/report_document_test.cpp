#include "tools/torv-score/report_document.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <cmath>

#include "tools/torv-score/scorer_options.h"

using ::testing::HasSubstr;

namespace {

CInfo qso(const std::string& band, int day, int hour, int minute, int dupe = 0) {
    CInfo record;
    record.band = band;
    record.dupe = dupe;
    record.not_counted = dupe;
    record.qso_time = OleDateTime::from_fields(2026, 3, day, hour, minute, 0);
    return record;
}

TEST(ReportText, LogTextsBecomeEscapedUtf8WithoutControlCharacters) {
    struct Case {
        std::string in, out;
    } cases[] = {
        {"IK2TRV", "IK2TRV"},
        {"<b>&\"x\"", "&lt;b&gt;&amp;&quot;x&quot;"},
        {"a\r\nb\tc\x7f", "a  b c "},
        {"M\xfcller \xe9t\xe9", "M\xc3\xbcller \xc3\xa9t\xc3\xa9"},
        {"\x80 \x9f \x81", "\xe2\x82\xac \xc5\xb8 \xef\xbf\xbd"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(html_text(c.in), c.out) << c.in;
}

TEST(ReportChart, CountsQsosThatCountPerHourAndBandSlot) {
    ContestLog log{qso("20m", 14, 12, 0),    qso("20m", 14, 12, 59),  qso("40m", 14, 13, 0),
                   qso("20m", 14, 13, 5, 1), qso("160m", 14, 14, 30), qso("6m", 14, 14, 31),
                   qso("10m", 15, 11, 59)};
    HourlyCounts counts = count_qsos_per_hour(log, OleDateTime::from_fields(2026, 3, 14, 12, 0, 0),
                                              OleDateTime::from_fields(2026, 3, 15, 12, 0, 0));
    EXPECT_EQ(counts.first_hour.Format("%Y-%m-%d %H%M"), "2026-03-14 1200");
    ASSERT_EQ(counts.by_band[3].size(), 25u);  // 12:00 Saturday to 12:00 Sunday, both ends
    EXPECT_EQ(counts.by_band[3][0], 2);        // 20m: the dupe does not count
    EXPECT_EQ(counts.by_band[3][1], 0);
    EXPECT_EQ(counts.by_band[2][1], 1);   // 40m
    EXPECT_EQ(counts.by_band[0][2], 1);   // 160m has a slot of its own
    EXPECT_EQ(counts.by_band[5][23], 1);  // 10m at 11:59 Sunday
    EXPECT_EQ(counts.outside, 1u);        // 6m has no slot
}

TEST(ReportChart, QsosBeforeTheContestWidenTheChartAndWildTimesStayOutside) {
    ContestLog log{qso("20m", 14, 10, 30), qso("20m", 14, 12, 0)};
    log.push_back(qso("20m", 14, 12, 0));
    log.back().qso_time = OleDateTime(std::nan(""), OleDateTime::Status::valid);
    HourlyCounts counts = count_qsos_per_hour(log, OleDateTime::from_fields(2026, 3, 14, 12, 0, 0),
                                              OleDateTime::from_fields(2026, 3, 14, 13, 0, 0));
    EXPECT_EQ(counts.first_hour.Format("%H%M"), "1000");
    EXPECT_EQ(counts.by_band[3][0], 1);
    EXPECT_EQ(counts.by_band[3][2], 1);
    EXPECT_EQ(counts.outside, 1u);

    HourlyCounts nothing = count_qsos_per_hour({}, OleDateTime::null(), OleDateTime::null());
    EXPECT_EQ(nothing.first_hour.status(), OleDateTime::Status::null);
}

TEST(ReportDocument, EmptyLogStillGivesACompleteDocument) {
    ScoreSheet sheet;
    ContestLog log;
    std::string html = report_document({"TORV Contest 14.03-15.03.2026",
                                        "IK2<TRV>",
                                        "-",
                                        sheet,
                                        log,
                                        {},
                                        OleDateTime::null(),
                                        OleDateTime::null(),
                                        2});
    EXPECT_THAT(html, HasSubstr("<title>TORV Contest 14.03-15.03.2026 &ndash; IK2&lt;TRV&gt;"));
    EXPECT_THAT(html, HasSubstr("No QSO with a valid time to chart."));
    EXPECT_THAT(html, HasSubstr("2 records could not be read and were skipped"));
    EXPECT_THAT(html, HasSubstr("None: every QSO counted."));
    EXPECT_THAT(html, HasSubstr("</html>\n"));
}

TEST(ScorerCommandLine, ReadsOptionsAndRefusesWhatItDoesNotKnow) {
    ParsedCommandLine parsed =
        parse_command_line({"--html", "-o", "out", "--cabrillo", "--email", "op@example.org",
                            "--call", "IK2TRV", "--no-progress", "log.adi"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_TRUE(parsed.options->html);
    EXPECT_TRUE(parsed.options->cabrillo);
    EXPECT_FALSE(parsed.options->progress);
    EXPECT_EQ(parsed.options->output_folder, "out");
    EXPECT_EQ(parsed.options->log_file, "log.adi");
    EXPECT_EQ(parsed.options->own_call, "IK2TRV");
    EXPECT_EQ(parsed.options->header.at("email"), "op@example.org");

    EXPECT_TRUE(parse_command_line({"log.adi", "-h"}).help);
    EXPECT_EQ(parse_command_line({"-"}).options->log_file, "-");
    EXPECT_EQ(parse_command_line({"--email"}).error, "--email needs a value");
    EXPECT_EQ(parse_command_line({"-x", "log"}).error, "unknown option -x");
}

}  // namespace
