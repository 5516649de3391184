#include "results/result_text.h"
#include "results/text_format.h"

std::string ResultTitle(const ResultHeader& header) {
    std::string title;
    AppendFormatted(title, "   TORV Contest %s-%s",
                    {header.contest_start_text, header.contest_end_text});
    return title;
}

std::string PlainResultText(const ResultHeader& header, const ScoreSheet& sheet, bool export_run) {
    std::string text;
    AppendFormatted(text,
                    "\tTORV Contest %s-%s \r\n\t\tContestant: %s\r\n"
                    "Band\tQSOs\tPoints\tMult\tCW\tSSB\tDIGI\r\n",
                    {header.contest_start_text, header.contest_end_text, header.own_call});
    for (const auto& row : sheet.rows) {
        const BandFigures& f = row.figures;
        AppendFormatted(text, "%s\t %i\t %i\t %i\t %i\t %i\t %i\r\n",
                        {row.band, f.qsos, f.points, f.multipliers, f.cw, f.ssb, f.digi});
    }
    const BandFigures& t = sheet.total;
    AppendFormatted(text,
                    "Total\t %i\t %i\t %i\t %i\t %i\t %i\r\nDupe\t %i\r\nBad QSO\t %i\r\n\r\n"
                    "Score = %i *  %i = %i \r\n",
                    {t.qsos, t.points, t.multipliers, t.cw, t.ssb, t.digi, sheet.dupes,
                     sheet.bad_qsos, t.points, t.multipliers, sheet.score});
    if (!export_run) {
        const RateFigures& r = sheet.rates;
        AppendFormatted(text,
                        "Last QSO points\t %i\r\nQSO rate\t%5i (%i)\r\nPoints rate\t%5i (%i)\r\n"
                        "\r\nRates per hour: last 60 minutes (last 10 minutes x 6), on the band "
                        "of the last QSO\r\n",
                        {sheet.last_qso_points, r.hour_qsos, 6 * r.ten_minute_qsos, r.hour_points,
                         6 * r.ten_minute_points});
    }
    return text;
}
