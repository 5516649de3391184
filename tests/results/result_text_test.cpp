// The result text of whole logs, byte for byte, as GetResult returns it.
#include <gtest/gtest.h>

#include "plugin/engine_calls.h"
#include "tests/results/results_test_app.h"

namespace {

const char kHeader[] =
    "\tTORV Contest 01.02-03.02.2008 \r\n\t\tContestant: XX9OWN\r\n"
    "Band\tQSOs\tPoints\tMult\tCW\tSSB\tDIGI\r\n";
const char kRateNote[] =
    "\r\nRates per hour: last 60 minutes (last 10 minutes x 6), on the band of the last QSO\r\n";

// Own station: country I, continent EU. Bands arrive 20m, 80m, 10m.
const std::vector<LogEntry> kMixedLog = {
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

const char kMixedTable[] =
    "80m\t 1\t 1\t 0\t 0\t 1\t 0\r\n"
    "20m\t 4\t 25\t 2\t 2\t 1\t 1\r\n"
    "10m\t 1\t 10\t 1\t 0\t 0\t 1\r\n"
    "Total\t 6\t 36\t 3\t 2\t 2\t 2\r\n"
    "Dupe\t 1\r\n"
    "Bad QSO\t 0\r\n"
    "\r\n"
    "Score = 36 *  3 = 108 \r\n";

struct PlainCase {
    const char* name;
    std::vector<LogEntry> log;
    std::vector<std::string> extra_worked_bands;  // bands whose QSOs were all removed
    bool export_run;
    std::string expected_after_header;
};

const PlainCase kPlainCases[] = {
    {"empty log",
     {},
     {},
     false,
     std::string("Total\t 0\t 0\t 0\t 0\t 0\t 0\r\nDupe\t 0\r\nBad QSO\t 0\r\n\r\n"
                 "Score = 0 *  0 = 0 \r\n"
                 "Last QSO points\t 0\r\nQSO rate\t    0 (0)\r\nPoints rate\t    0 (0)\r\n") +
         kRateNote},
    {"empty log in an export run",
     {},
     {},
     true,
     "Total\t 0\t 0\t 0\t 0\t 0\t 0\r\nDupe\t 0\r\nBad QSO\t 0\r\n\r\nScore = 0 *  0 = 0 \r\n"},
    {"mixed log: bands sorted, dupe, ICAO multipliers per band and class, rates on 20m",
     kMixedLog,
     {},
     false,
     std::string(kMixedTable) +
         "Last QSO points\t 3\r\nQSO rate\t    4 (6)\r\nPoints rate\t   25 (18)\r\n" + kRateNote},
    {"mixed log in an export run has no rate block", kMixedLog, {}, true, kMixedTable},
    {"operator sends an ICAO code: every ICAO exchange is worth 1",
     {{.call = "K1AB",
       .band = "40m",
       .received = "LIML",
       .sent = "LIRF",
       .country = "K",
       .continent = "NA",
       .minute = 0},
      {.call = "DL1AB", .band = "40m", .received = "LIRA", .sent = "LIRF", .minute = 3},
      {.call = "I1AB",
       .band = "40m",
       .mode = "SSB",
       .received = "005",
       .sent = "LIRF",
       .country = "I",
       .minute = 4}},
     {},
     false,
     std::string("40m\t 3\t 3\t 2\t 2\t 1\t 0\r\nTotal\t 3\t 3\t 2\t 2\t 1\t 0\r\n"
                 "Dupe\t 0\r\nBad QSO\t 0\r\n\r\nScore = 3 *  2 = 6 \r\n"
                 "Last QSO points\t 1\r\nQSO rate\t    3 (18)\r\nPoints rate\t    3 (18)\r\n") +
         kRateNote},
    {"seven QSOs in the hour are padded to five places",
     {{.call = "JA1A", .band = "15m", .country = "JA", .continent = "AS", .minute = 0},
      {.call = "JA1B", .band = "15m", .country = "JA", .continent = "AS", .minute = 10},
      {.call = "JA1C", .band = "15m", .country = "JA", .continent = "AS", .minute = 20},
      {.call = "JA1D", .band = "15m", .country = "JA", .continent = "AS", .minute = 30},
      {.call = "JA1E", .band = "15m", .country = "JA", .continent = "AS", .minute = 40},
      {.call = "JA1F", .band = "15m", .country = "JA", .continent = "AS", .minute = 50},
      {.call = "JA1G", .band = "15m", .country = "JA", .continent = "AS", .minute = 55}},
     {},
     false,
     std::string("15m\t 7\t 21\t 0\t 7\t 0\t 0\r\nTotal\t 7\t 21\t 0\t 7\t 0\t 0\r\n"
                 "Dupe\t 0\r\nBad QSO\t 0\r\n\r\nScore = 21 *  0 = 0 \r\n"
                 "Last QSO points\t 3\r\nQSO rate\t    7 (12)\r\nPoints rate\t   21 (36)\r\n") +
         kRateNote},
    {"a band whose QSOs were all removed keeps a row of zeros",
     {{.call = "OK1AB", .band = "10m", .country = "OK", .minute = 0}},
     {"20m"},
     false,
     std::string("20m\t 0\t 0\t 0\t 0\t 0\t 0\r\n10m\t 1\t 2\t 0\t 1\t 0\t 0\r\n"
                 "Total\t 1\t 2\t 0\t 1\t 0\t 0\r\nDupe\t 0\r\nBad QSO\t 0\r\n\r\n"
                 "Score = 2 *  0 = 0 \r\n"
                 "Last QSO points\t 2\r\nQSO rate\t    1 (6)\r\nPoints rate\t    2 (12)\r\n") +
         kRateNote},
};

TEST(PlainResultText, WholeLogsGiveTheirTextsByteForByte) {
    for (const auto& c : kPlainCases) {
        SCOPED_TRACE(c.name);
        ResultsTestApp t;
        t.add(c.log);
        {
            auto session = t.app.session().access();
            for (const auto& band : c.extra_worked_bands)
                session->worked_bands.push_back(band);
            session->export_run = c.export_run;
        }
        EXPECT_EQ(GetResult(t.app, nullptr), kHeader + c.expected_after_header);
    }
}

TEST(HtmlResultText, MixedLogGivesItsDocumentByteForByte) {
    ResultsTestApp t;
    t.add(kMixedLog);
    t.app.session().access()->html = true;
    const std::string expected =
        "<html><head><title>   TORV Contest 01.02-03.02.2008</title><style>table{ width:100%; }"
        "table, th, td{ border: 1px solid black; border-collapse: collapse; }th, td{ padding: "
        "1px; }th,td{ background-color: #fffac6; color: black; }</style></head><body>"
        "<center><b>   TORV Contest 01.02-03.02.2008</b></center>"
        "<center>Contestant:  <b>XX9OWN</b></center><table>"
        "<tr><th>Band</th><th>QSOs</th><th>Points</th><th>Mult</th><th>CW</th><th>SSB</th>"
        "<th>DIGI</th></tr>"
        "<tr><th><center>80m</center></th><td><center>1</center></td><td><center>1</center></td>"
        "<td><center>0</center></td><td><center>0</center></td><td><center>1</center></td>"
        "<td><center>0</center></td></tr>"
        "<tr><th><center>20m</center></th><td><center>4</center></td><td><center>25</center>"
        "</td><td><center>2</center></td><td><center>2</center></td><td><center>1</center></td>"
        "<td><center>1</center></td></tr>"
        "<tr><th><center>10m</center></th><td><center>1</center></td><td><center>10</center>"
        "</td><td><center>1</center></td><td><center>0</center></td><td><center>0</center></td>"
        "<td><center>1</center></td></tr>"
        "<tr><th><center>Total</center></th><td><center>6</center></td><td><center>36</center>"
        "</td><td><center>3</center></td><td><center>2</center></td><td><center>2</center></td>"
        "<td><center>2</center></td></tr>"
        "<tr><th><center>Dupe</center></th><td><center>1</center></td><td colspan=5> </td></tr>"
        "<tr><th><center>Bad QSO</center></th><td><center>0</center></td><td colspan=5> </td>"
        "</tr>"
        "<tr><th>Score:</th><td colspan=6><center>36 * 3 = 108</center></td></tr>"
        "<tr><th>Last QSO points:</th><td colspan=6><center>    3</center></td></tr>"
        "<tr><th colspan=7><center>Rate</center></th></tr>"
        "<tr><th>Hourly (10min/1 hour) QSO rate:</th><td colspan=6><center>    4 /6</center>"
        "</td></tr>"
        "<tr><th>Hourly (10min/1 hour) pts rate:</th><td colspan=6><center>   25 /18</center>"
        "</td></tr>"
        "</table></body></html>";
    EXPECT_EQ(GetResult(t.app, nullptr), expected);
}

TEST(HtmlResultText, EmptyLogAndExportRunStillCarryRatesAndFooter) {
    ResultsTestApp t;
    t.add({{.call = "ZS1A", .band = "20m", .country = "ZS", .continent = "AF", .minute = 0}});
    {
        auto session = t.app.session().access();
        session->html = true;
        session->export_run = true;  // header not confirmed: no export, same figures
    }
    std::string html = GetResult(t.app, nullptr);
    EXPECT_NE(html.find("<tr><th>Last QSO points:</th><td colspan=6><center>    3</center>"),
              std::string::npos);
    EXPECT_NE(html.find("QSO rate:</th><td colspan=6><center>    0 /0</center>"),
              std::string::npos);
    EXPECT_NE(html.find("pts rate:</th><td colspan=6><center>    0 /0</center>"),
              std::string::npos);
    EXPECT_TRUE(html.ends_with("</table></body></html>"));

    ResultsTestApp empty;
    empty.app.session().access()->html = true;
    html = GetResult(empty.app, nullptr);
    EXPECT_NE(html.find("<th>DIGI</th></tr><tr><th><center>Total</center>"), std::string::npos)
        << "no band row between the header row and the totals";
    EXPECT_TRUE(html.ends_with("</table></body></html>"));
}

TEST(HtmlResultText, TextsOfTheHostAreEscaped) {
    ResultsTestApp t;
    {
        auto session = t.app.session().access();
        session->html = true;
        session->own_call = "<script>\"A&B\"</script>";
        session->contest_start_text = "<1>";
        session->contest_end_text = "&2";
    }
    t.add({{.call = "DL1AB", .band = "<b>20m"}});
    std::string html = GetResult(t.app, nullptr);
    EXPECT_EQ(html.find("<script>"), std::string::npos);
    EXPECT_EQ(html.find("<b>20m"), std::string::npos);
    EXPECT_NE(html.find("<b>&lt;script&gt;&quot;A&amp;B&quot;&lt;/script&gt;</b>"),
              std::string::npos);
    EXPECT_NE(html.find("<title>   TORV Contest &lt;1&gt;-&amp;2</title>"), std::string::npos);
    EXPECT_NE(html.find("<th><center>&lt;b&gt;20m</center></th>"), std::string::npos);
}

}  // namespace
