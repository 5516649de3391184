// The result and the call check through the real Stats.dll, as the host calls them.
#include <gtest/gtest.h>

#include "tests/support/plugin_host.h"
#include "tests/support/temp_folder.h"

namespace {

using GetResultFunction = const char*(int*);

const char kEmptyPlainResult[] =
    "\tTORV Contest - \r\n\t\tContestant: \r\nBand\tQSOs\tPoints\tMult\tCW\tSSB\tDIGI\r\n"
    "Total\t 0\t 0\t 0\t 0\t 0\t 0\r\nDupe\t 0\r\nBad QSO\t 0\r\n\r\nScore = 0 *  0 = 0 \r\n"
    "Last QSO points\t 0\r\nQSO rate\t    0 (0)\r\nPoints rate\t    0 (0)\r\n\r\n"
    "Rates per hour: last 60 minutes (last 10 minutes x 6), on the band of the last QSO\r\n";

TEST(ResultDll, BothNamesAnswerBeforeAnySession) {
    for (const char* name : {"GetResult0", "?GetResult0@@YAPBDPAH@Z"}) {
        SCOPED_TRACE(name);
        TempFolder folder;
        PluginHost host;
        int status = 12345;
        const char* text = host.function<GetResultFunction>(name)(&status);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(std::string(text), kEmptyPlainResult);
        EXPECT_EQ(status, 12345);
        EXPECT_EQ(folder.read("Plugins/TORV.ini"), "[Settings]\r\nClaimed=0\r\n");
        EXPECT_NE(host.function<GetResultFunction>(name)(nullptr), nullptr);
    }
}

TEST(ResultDll, AnswersHtmlOnceTheHostAnnouncedItsVersion) {
    TempFolder folder;
    PluginHost host;
    host.function<unsigned long(const char*)>("setVersion")("2.21");
    EXPECT_EQ(
        host.result(),
        "<html><head><title>   TORV Contest -</title><style>table{ width:100%; }table, th, td{ "
        "border: 1px solid black; border-collapse: collapse; }th, td{ padding: 1px; }th,td{ "
        "background-color: #fffac6; color: black; }</style></head><body><center><b>   TORV "
        "Contest -</b></center><center>Contestant:  <b></b></center><table><tr><th>Band</th>"
        "<th>QSOs</th><th>Points</th><th>Mult</th><th>CW</th><th>SSB</th><th>DIGI</th></tr><tr>"
        "<th><center>Total</center></th><td><center>0</center></td><td><center>0</center></td>"
        "<td><center>0</center></td><td><center>0</center></td><td><center>0</center></td><td>"
        "<center>0</center></td></tr><tr><th><center>Dupe</center></th><td><center>0</center>"
        "</td><td colspan=5> </td></tr><tr><th><center>Bad QSO</center></th><td><center>0"
        "</center></td><td colspan=5> </td></tr><tr><th>Score:</th><td colspan=6><center>0 * 0 "
        "= 0</center></td></tr><tr><th>Last QSO points:</th><td colspan=6><center>    0</center>"
        "</td></tr><tr><th colspan=7><center>Rate</center></th></tr><tr><th>Hourly (10min/1 "
        "hour) QSO rate:</th><td colspan=6><center>    0 /0</center></td></tr><tr><th>Hourly "
        "(10min/1 hour) pts rate:</th><td colspan=6><center>    0 /0</center></td></tr></table>"
        "</body></html>");
}

TEST(ResultDll, CallCheckAnswersUnderBothNamesOnAnEmptyLog) {
    TempFolder folder;
    PluginHost host;
    using CheckCallFunction = decltype(CheckCall0);
    for (const char* name :
         {"CheckCall0", "?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z"}) {
        SCOPED_TRACE(name);
        auto check = host.function<CheckCallFunction>(name);
        char buffer27[8] = "keep", buffer28[8] = "keep";
        auto ask = [&](const char* band, const char* second_band) {
            return check("XX1ABC", 0, 0, "CW", "", "", "", "", "", "", "", "", "", "DL", 0, 0, 0,
                         0.0, 0.0, "", "EU", "", "", "", band, second_band, buffer27, buffer28);
        };
        EXPECT_EQ(ask("20m", "20m"), 1);
        EXPECT_EQ(ask("20M", nullptr), 1);
        EXPECT_EQ(ask("160m", "160m"), 4);
        EXPECT_EQ(ask("20m", ""), 4);
        EXPECT_STREQ(buffer27, "keep");
        EXPECT_STREQ(buffer28, "keep");
    }
}

}  // namespace
