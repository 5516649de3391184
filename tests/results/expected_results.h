// The result texts of the mixed test log (kMixedLog in log_builder.h, kMixedHostLog in
// result_session_dll_test.cpp), shared by the native tests and the tests through Stats.dll.
#pragma once

#include <string>

// Session of XX9OWN, contest from 1 February to 3 February 2008.
inline const std::string kPlainHeader =
    "\tTORV Contest 01.02-03.02.2008 \r\n\t\tContestant: XX9OWN\r\n"
    "Band\tQSOs\tPoints\tMult\tCW\tSSB\tDIGI\r\n";
inline const std::string kRateNote =
    "\r\nRates per hour: last 60 minutes (last 10 minutes x 6), on the band of the last QSO\r\n";

// The bands, totals and score of the mixed log; the bad QSOs depend on the report file.
inline std::string MixedLogTable(int bad_qsos) {
    return "80m\t 1\t 1\t 0\t 0\t 1\t 0\r\n"
           "20m\t 4\t 25\t 2\t 2\t 1\t 1\r\n"
           "10m\t 1\t 10\t 1\t 0\t 0\t 1\r\n"
           "Total\t 6\t 36\t 3\t 2\t 2\t 2\r\n"
           "Dupe\t 1\r\n"
           "Bad QSO\t " +
           std::to_string(bad_qsos) +
           "\r\n"
           "\r\n"
           "Score = 36 *  3 = 108 \r\n";
}

inline const std::string kMixedLogRates =
    "Last QSO points\t 3\r\nQSO rate\t    4 (6)\r\nPoints rate\t   25 (18)\r\n" + kRateNote;

inline std::string MixedLogHtml(int bad_qsos) {
    return "<html><head><title>   TORV Contest 01.02-03.02.2008</title><style>table{ "
           "width:100%; }table, th, td{ border: 1px solid black; border-collapse: collapse; }th, "
           "td{ padding: 1px; }th,td{ background-color: #fffac6; color: black; }</style></head>"
           "<body><center><b>   TORV Contest 01.02-03.02.2008</b></center>"
           "<center>Contestant:  <b>XX9OWN</b></center><table>"
           "<tr><th>Band</th><th>QSOs</th><th>Points</th><th>Mult</th><th>CW</th><th>SSB</th>"
           "<th>DIGI</th></tr>"
           "<tr><th><center>80m</center></th><td><center>1</center></td><td><center>1</center>"
           "</td><td><center>0</center></td><td><center>0</center></td><td><center>1</center>"
           "</td><td><center>0</center></td></tr>"
           "<tr><th><center>20m</center></th><td><center>4</center></td><td><center>25</center>"
           "</td><td><center>2</center></td><td><center>2</center></td><td><center>1</center>"
           "</td><td><center>1</center></td></tr>"
           "<tr><th><center>10m</center></th><td><center>1</center></td><td><center>10</center>"
           "</td><td><center>1</center></td><td><center>0</center></td><td><center>0</center>"
           "</td><td><center>1</center></td></tr>"
           "<tr><th><center>Total</center></th><td><center>6</center></td><td><center>36"
           "</center></td><td><center>3</center></td><td><center>2</center></td><td><center>2"
           "</center></td><td><center>2</center></td></tr>"
           "<tr><th><center>Dupe</center></th><td><center>1</center></td><td colspan=5> </td>"
           "</tr>"
           "<tr><th><center>Bad QSO</center></th><td><center>" +
           std::to_string(bad_qsos) +
           "</center></td><td colspan=5> </td></tr>"
           "<tr><th>Score:</th><td colspan=6><center>36 * 3 = 108</center></td></tr>"
           "<tr><th>Last QSO points:</th><td colspan=6><center>    3</center></td></tr>"
           "<tr><th colspan=7><center>Rate</center></th></tr>"
           "<tr><th>Hourly (10min/1 hour) QSO rate:</th><td colspan=6><center>    4 /6</center>"
           "</td></tr>"
           "<tr><th>Hourly (10min/1 hour) pts rate:</th><td colspan=6><center>   25 /18"
           "</center></td></tr>"
           "</table></body></html>";
}
