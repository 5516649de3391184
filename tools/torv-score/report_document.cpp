#include "tools/torv-score/report_document.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/contest_rules.h"

namespace {

constexpr double kHoursPerDay = 24.0;
// A chart wider than a month of hours is of no use to a person; the rest is counted outside.
constexpr std::size_t kMostHours = 31 * 24;

const std::array<const char*, kBandSlotCount> kSlotLabels{"160m", "80m", "40m",
                                                          "20m",  "15m", "10m"};
const std::array<const char*, kBandSlotCount> kSlotColours{"#7f7f7f", "#1f77b4", "#ff7f0e",
                                                           "#2ca02c", "#d62728", "#9467bd"};
const std::array<const char*, kModeClassCount> kClassLabels{"CW", "SSB", "DIGI"};

// Code points 0x80 to 0x9F of Windows-1252; 0 where the code page leaves a hole.
const std::array<char16_t, 32> kWindows1252High{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void append_utf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string number(long long value) {
    return std::to_string(value);
}

std::string fixed(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", value);
    return buffer;
}

int hour_index(double days, double first_hour_days) {
    return static_cast<int>(std::floor((days - first_hour_days) * kHoursPerDay + 1e-7));
}

std::string result_table(const ScoreSheet& sheet) {
    std::string html =
        "<table>\n<caption>Result</caption>\n<thead><tr><th scope=\"col\">Band</th>"
        "<th scope=\"col\">QSOs</th><th scope=\"col\">Points</th><th scope=\"col\">Mult</th>"
        "<th scope=\"col\">CW</th><th scope=\"col\">SSB</th><th scope=\"col\">DIGI</th>"
        "</tr></thead>\n<tbody>\n";
    auto row = [&](const std::string& label, const BandFigures& f) {
        html += "<tr><th scope=\"row\">" + html_text(label) + "</th><td>" + number(f.qsos) +
                "</td><td>" + number(f.points) + "</td><td>" + number(f.multipliers) + "</td><td>" +
                number(f.cw) + "</td><td>" + number(f.ssb) + "</td><td>" + number(f.digi) +
                "</td></tr>\n";
    };
    for (const BandRow& band : sheet.rows)
        row(band.band, band.figures);
    html += "</tbody>\n<tfoot>\n";
    row("Total", sheet.total);
    html += "</tfoot>\n</table>\n";
    html += "<dl>\n<dt>Dupes</dt><dd>" + number(sheet.dupes) + "</dd>\n<dt>Bad QSOs</dt><dd>" +
            number(sheet.bad_qsos) + "</dd>\n<dt>Score</dt><dd>" + number(sheet.total.points) +
            " points &times; " + number(sheet.total.multipliers) + " multipliers = <strong>" +
            number(sheet.score) + "</strong></dd>\n</dl>\n";
    return html;
}

std::string bad_qso_section(const std::vector<std::string>& lines) {
    std::string html = "<h2>Bad QSOs and dupes</h2>\n";
    if (lines.empty())
        return html + "<p>None: every QSO counted.</p>\n";
    html += "<ol>\n";
    for (const std::string& line : lines)
        html += "<li><code>" + html_text(line) + "</code></li>\n";
    return html + "</ol>\n";
}

std::string multiplier_section(const ScoreSheet& sheet) {
    std::string html =
        "<h2>Multipliers per band and mode class</h2>\n<table>\n<thead><tr>"
        "<th scope=\"col\">Band</th>";
    for (const char* label : kClassLabels)
        html += std::string("<th scope=\"col\">") + label + "</th>";
    html += "</tr></thead>\n<tbody>\n";
    bool any = false;
    for (std::size_t slot = 0; slot < kBandSlotCount; ++slot) {
        const auto& lists = sheet.refilled_slots[slot];
        if (!lists)
            continue;
        any = true;
        html += std::string("<tr><th scope=\"row\">") + kSlotLabels[slot] + "</th>";
        for (const StringList& keys : *lists) {
            std::vector<std::string> sorted = keys;
            std::sort(sorted.begin(), sorted.end());
            std::string codes;
            for (const std::string& key : sorted) {
                if (!codes.empty())
                    codes += ' ';
                codes += html_text(key);
            }
            html += "<td><strong>" + number(static_cast<long long>(keys.size())) + "</strong>" +
                    (codes.empty() ? "" : "<br><small>" + codes + "</small>") + "</td>";
        }
        html += "</tr>\n";
    }
    if (!any)
        html += "<tr><td colspan=\"4\">No QSO counted.</td></tr>\n";
    return html + "</tbody>\n</table>\n";
}

std::string chart_section(const HourlyCounts& counts) {
    std::string html = "<h2>QSOs per hour by band</h2>\n";
    std::size_t hours = counts.by_band.empty() ? 0 : counts.by_band[0].size();
    if (hours == 0)
        return html + "<p>No QSO with a valid time to chart.</p>\n";

    int highest = 1;
    for (std::size_t hour = 0; hour < hours; ++hour) {
        int sum = 0;
        for (const auto& band : counts.by_band)
            sum += band[hour];
        highest = std::max(highest, sum);
    }
    // Grid lines at 1, 2 or 5 times a power of ten, about five of them.
    double step = 1;
    for (double scale = 1;; scale *= 10) {
        if (highest <= 5 * scale) {
            step = scale;
            break;
        }
        if (highest <= 10 * scale) {
            step = 2 * scale;
            break;
        }
        if (highest <= 25 * scale) {
            step = 5 * scale;
            break;
        }
    }
    const double top = std::ceil(highest / step) * step;

    const double left = 44, right = 12, above = 12, below = 40, plot_height = 240;
    const double bar = std::max(3.0, std::min(24.0, 900.0 / hours));
    const double width = left + bar * hours + right;
    const double height = above + plot_height + below;
    auto y_of = [&](double value) { return above + plot_height - value / top * plot_height; };

    html += "<figure>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + fixed(width) +
            "\" height=\"" + fixed(height) + "\" viewBox=\"0 0 " + fixed(width) + " " +
            fixed(height) +
            "\" role=\"img\" aria-labelledby=\"chart-title\">\n"
            "<title id=\"chart-title\">QSOs per hour by band</title>\n";
    for (double value = 0; value <= top + 0.5; value += step) {
        double y = y_of(value);
        html += "<line x1=\"" + fixed(left) + "\" y1=\"" + fixed(y) + "\" x2=\"" +
                fixed(width - right) + "\" y2=\"" + fixed(y) + "\" stroke=\"#bbb\"/>\n";
        html += "<text x=\"" + fixed(left - 4) + "\" y=\"" + fixed(y + 4) +
                "\" text-anchor=\"end\">" + number(std::llround(value)) + "</text>\n";
    }
    for (std::size_t hour = 0; hour < hours; ++hour) {
        double x = left + bar * hour;
        double stacked = 0;
        for (std::size_t slot = 0; slot < counts.by_band.size(); ++slot) {
            int count = counts.by_band[slot][hour];
            if (count == 0)
                continue;
            html += "<rect x=\"" + fixed(x + 0.5) + "\" y=\"" + fixed(y_of(stacked + count)) +
                    "\" width=\"" + fixed(bar - 1) + "\" height=\"" +
                    fixed(count / top * plot_height) + "\" fill=\"" + kSlotColours[slot] +
                    "\"><title>" + kSlotLabels[slot] + ": " + number(count) + "</title></rect>\n";
            stacked += count;
        }
        OleDateTime start = OleDateTime::from_days(counts.first_hour.days() + hour / kHoursPerDay);
        std::string hh = start.Format("%H");
        // A label every three hours, the date under each midnight.
        if (hour % 3 == 0 || hh == "00")
            html += "<text x=\"" + fixed(x) + "\" y=\"" + fixed(above + plot_height + 14) + "\">" +
                    hh + "</text>\n";
        if (hh == "00" || hour == 0)
            html += "<text x=\"" + fixed(x) + "\" y=\"" + fixed(above + plot_height + 30) + "\">" +
                    start.Format("%d.%m") + "</text>\n";
    }
    html += "</svg>\n<figcaption>QSOs that count, per UTC hour from " +
            counts.first_hour.Format("%Y-%m-%d %H:00") + ". ";
    for (std::size_t slot = 0; slot < kBandSlotCount; ++slot)
        html += std::string("<span class=\"key\" style=\"background:") + kSlotColours[slot] +
                "\"></span>" + kSlotLabels[slot] + " ";
    if (counts.outside > 0)
        html +=
            "(" + number(static_cast<long long>(counts.outside)) + " QSOs lie outside the chart.)";
    return html + "</figcaption>\n</figure>\n";
}

const char kStyle[] =
    "body{font-family:sans-serif;background:#fffac6;color:#000;margin:1em 2em}"
    "table{border-collapse:collapse;margin:0.5em 0}"
    "th,td{border:1px solid #000;padding:2px 8px;text-align:center;vertical-align:top}"
    "caption{font-weight:bold;text-align:left}dt{font-weight:bold;float:left;width:7em}"
    "dd{margin-left:7em}svg text{font-size:11px}"
    ".key{display:inline-block;width:0.9em;height:0.9em;margin:0 0.2em 0 0.6em}";

}  // namespace

std::string html_text(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '&':
                out += "&amp;";
                continue;
            case '<':
                out += "&lt;";
                continue;
            case '>':
                out += "&gt;";
                continue;
            case '"':
                out += "&quot;";
                continue;
            default:
                break;
        }
        if (byte < 0x20 || byte == 0x7F)
            out += ' ';
        else if (byte >= 0x80 && byte < 0xA0)
            append_utf8(out,
                        kWindows1252High[byte - 0x80] ? kWindows1252High[byte - 0x80] : 0xFFFD);
        else
            append_utf8(out, byte);
    }
    return out;
}

HourlyCounts count_qsos_per_hour(const ContestLog& log, OleDateTime start, OleDateTime end) {
    HourlyCounts counts;
    double first = start.is_valid() ? start.days() : INFINITY;
    double last = end.is_valid() ? end.days() : -INFINITY;
    for (const CInfo& qso : log) {
        if (qso.dupe || !qso.qso_time.is_valid())
            continue;
        first = std::min(first, qso.qso_time.days());
        last = std::max(last, qso.qso_time.days());
    }
    counts.by_band.assign(kBandSlotCount, {});
    if (!std::isfinite(first) || !std::isfinite(last) || last < first) {
        for (const CInfo& qso : log)
            counts.outside += qso.dupe ? 0 : 1;
        return counts;
    }
    const double first_hour = std::floor(first * kHoursPerDay + 1e-7) / kHoursPerDay;
    counts.first_hour = OleDateTime::from_days(first_hour);
    std::size_t hours = std::min<std::size_t>(
        kMostHours, static_cast<std::size_t>(hour_index(last, first_hour)) + 1);
    for (auto& band : counts.by_band)
        band.assign(hours, 0);
    for (const CInfo& qso : log) {
        if (qso.dupe)
            continue;
        int slot = band_slot(qso.band);
        int hour = qso.qso_time.is_valid() ? hour_index(qso.qso_time.days(), first_hour) : -1;
        if (slot < 0 || hour < 0 || static_cast<std::size_t>(hour) >= hours) {
            ++counts.outside;
            continue;
        }
        ++counts.by_band[slot][hour];
    }
    return counts;
}

std::string report_document(const ReportInput& input) {
    std::string title = html_text(input.title);
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<title>" +
        title + " &ndash; " + html_text(input.own_call) + "</title>\n<style>" + kStyle +
        "</style>\n</head>\n<body>\n";
    html += "<h1>" + title + "</h1>\n<p>Contestant: <strong>" + html_text(input.own_call) +
            "</strong>. Log: " + html_text(input.log_name) + ", " +
            number(static_cast<long long>(input.log.size())) +
            " QSOs stored by the plug-in, dupes included";
    if (input.skipped_records > 0)
        html += "; " + number(static_cast<long long>(input.skipped_records)) +
                " records could not be read and were skipped";
    html += ".</p>\n";
    html += result_table(input.sheet);
    html += chart_section(count_qsos_per_hour(input.log, input.contest_start, input.contest_end));
    html += multiplier_section(input.sheet);
    html += bad_qso_section(input.bad_qso_lines);
    return html +
           "<p><small>Scored by torv-score with the Stats plug-in.</small></p>\n"
           "</body>\n</html>\n";
}
