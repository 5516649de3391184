// The result text of whole logs, byte for byte, as GetResult returns it.
#include <gtest/gtest.h>

#include "plugin/engine_calls.h"
#include "tests/results/expected_results.h"
#include "tests/results/results_test_app.h"

namespace {

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
     MixedLogTable(0) + kMixedLogRates},
    {"mixed log in an export run has no rate block", kMixedLog, {}, true, MixedLogTable(0)},
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
        EXPECT_EQ(GetResult(t.app, nullptr), kPlainHeader + c.expected_after_header);
    }
}

TEST(HtmlResultText, MixedLogGivesItsDocumentByteForByte) {
    ResultsTestApp t;
    t.add(kMixedLog);
    t.app.session().access()->html = true;
    EXPECT_EQ(GetResult(t.app, nullptr), MixedLogHtml(0));
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
        session->own_call = "<script>\"A&B\"</script>\x01\x1f\x7f\t";
        session->contest_start_text = "<1>";
        session->contest_end_text = "&2";
    }
    t.add({{.call = "DL1AB", .band = "<b>20m"}});
    std::string html = GetResult(t.app, nullptr);
    EXPECT_EQ(html.find("<script>"), std::string::npos);
    EXPECT_EQ(html.find("<b>20m"), std::string::npos);
    EXPECT_NE(html.find("<b>&lt;script&gt;&quot;A&amp;B&quot;&lt;/script&gt;   \t</b>"),
              std::string::npos);
    EXPECT_NE(html.find("<title>   TORV Contest &lt;1&gt;-&amp;2</title>"), std::string::npos);
    EXPECT_NE(html.find("<th><center>&lt;b&gt;20m</center></th>"), std::string::npos);
}

}  // namespace
