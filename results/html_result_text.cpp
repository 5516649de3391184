#include "results/result_text.h"
#include "results/text_format.h"

namespace {

// The document's pieces. The table has seven columns: every row spans exactly seven, and the
// header cell of a summary row is followed by one cell spanning the other six.
constexpr std::string_view kDocumentStart =
    "<html><head><title>%s</title><style>table{ width:100%; }table, th, td{ border: 1px solid "
    "black; border-collapse: collapse; }th, td{ padding: 1px; }th,td{ background-color: #fffac6; "
    "color: black; }</style></head><body>";
constexpr std::string_view kTitle =
    "<center><b>%s</b></center><center>Contestant:  <b>%s</b></center><table>";
constexpr std::string_view kHeaderRow =
    "<tr><th>%s</th><th>%s</th><th>%s</th><th>%s</th><th>%s</th><th>%s</th><th>%s</th></tr>";
constexpr std::string_view kBandRow =
    "<tr><th><center>%s</center></th><td><center>%i</center></td><td><center>%i</center></td>"
    "<td><center>%i</center></td><td><center>%i</center></td><td><center>%i</center></td>"
    "<td><center>%i</center></td></tr>";
constexpr std::string_view kCountRow =
    "<tr><th><center>%s</center></th><td><center>%i</center></td><td colspan=5> </td></tr>";
constexpr std::string_view kRateRow =
    "<tr><th>%s</th><td colspan=6><center>%5i /%i</center></td></tr>";
constexpr std::string_view kSectionRow = "<tr><th colspan=7><center>%s</center></th></tr>";
constexpr std::string_view kPointsRow =
    "<tr><th>%s</th><td colspan=6><center>%5i</center></td></tr>";
constexpr std::string_view kScoreRow =
    "<tr><th>%s</th><td colspan=6><center>%i * %i = %i</center></td></tr>";
constexpr std::string_view kDocumentEnd = "</table></body></html>";

// The host's texts (call, band, dates) must not turn into markup, and a control character,
// which no HTML text may hold, is shown as a blank.
std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default: {
                auto code = static_cast<unsigned char>(c);
                bool control = (code < 0x20 && c != '\t' && c != '\n' && c != '\r') || code == 0x7f;
                out += control ? ' ' : c;
            }
        }
    }
    return out;
}

}  // namespace

std::string HtmlResultText(const ResultHeader& header, const ScoreSheet& sheet) {
    const std::string title = escaped(ResultTitle(header));
    std::string html;
    AppendFormatted(html, kDocumentStart, {title});
    AppendFormatted(html, kTitle, {title, escaped(header.own_call)});
    AppendFormatted(html, kHeaderRow, {"Band", "QSOs", "Points", "Mult", "CW", "SSB", "DIGI"});
    for (const auto& row : sheet.rows) {
        const BandFigures& f = row.figures;
        AppendFormatted(html, kBandRow,
                        {escaped(row.band), f.qsos, f.points, f.multipliers, f.cw, f.ssb, f.digi});
    }
    const BandFigures& t = sheet.total;
    AppendFormatted(html, kBandRow,
                    {"Total", t.qsos, t.points, t.multipliers, t.cw, t.ssb, t.digi});
    AppendFormatted(html, kCountRow, {"Dupe", sheet.dupes});
    AppendFormatted(html, kCountRow, {"Bad QSO", sheet.bad_qsos});
    AppendFormatted(html, kScoreRow, {"Score:", t.points, t.multipliers, sheet.score});
    AppendFormatted(html, kPointsRow, {"Last QSO points:", sheet.last_qso_points});
    AppendFormatted(html, kSectionRow, {"Rate"});
    const RateFigures& r = sheet.rates;
    AppendFormatted(html, kRateRow,
                    {"Hourly (10min/1 hour) QSO rate:", r.hour_qsos, 6 * r.ten_minute_qsos});
    AppendFormatted(html, kRateRow,
                    {"Hourly (10min/1 hour) pts rate:", r.hour_points, 6 * r.ten_minute_points});
    html += kDocumentEnd;
    return html;
}
