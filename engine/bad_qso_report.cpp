#include "engine/bad_qso_report.h"

#include <array>
#include <string_view>
#include <vector>

#include "engine/contest_rules.h"

namespace {

struct ReasonText {
    BadQsoReason reason;
    const char* text;
};

constexpr std::array<ReasonText, 4> kReasons{{
    {BadQsoReason::wrong_band, "   WRONG BAND !!!"},
    {BadQsoReason::wrong_mode, "   WRONG MODE !!!"},
    {BadQsoReason::no_rx_number, "   NO RX NUMBER !!!"},
    {BadQsoReason::dupe, "   DUPE !!!"},
}};

constexpr const char* kFieldGap = "  ";

std::string blank_controls(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    return out;
}

bool ends_with(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// True when the word stands in the line with a blank or the line's edge on either side.
bool contains_word_ignoring_case(std::string_view line, std::string_view word) {
    if (word.empty() || word.size() > line.size())
        return false;
    for (std::size_t at = 0; at + word.size() <= line.size(); ++at) {
        bool starts_word = at == 0 || line[at - 1] == ' ';
        bool ends_word = at + word.size() == line.size() || line[at + word.size()] == ' ';
        if (starts_word && ends_word && equals_ignoring_case(line.substr(at, word.size()), word))
            return true;
    }
    return false;
}

std::string with_line_end(std::string_view line) {
    std::string out(line);
    out += kBadQsoLineEnd;
    return out;
}

}  // namespace

const char* reason_text(BadQsoReason reason) {
    for (const auto& entry : kReasons)
        if (entry.reason == reason)
            return entry.text;
    return "";
}

std::string BadQsoFileName(const OleDateTime& contest_end) {
    return "BadQSO_StatsTORV_" + contest_end.Format("%d_%m_%Y") + ".txt";
}

std::string bad_qso_time_text(const OleDateTime& qso_time) {
    return qso_time.Format("%Y-%m-%d %H%M");
}

std::string bad_qso_line(const BadQsoFields& f, BadQsoReason reason) {
    const std::string parts[] = {std::to_string(f.frequency_hz / 1000),
                                 f.mode,
                                 bad_qso_time_text(f.qso_time),
                                 f.own_call,
                                 f.report_sent,
                                 f.exchange_sent,
                                 f.call,
                                 f.report_received};
    std::string line = "QSO:  ";
    for (const auto& part : parts) {
        line += blank_controls(part);
        line += kFieldGap;
    }
    line += blank_controls(f.exchange_received);
    line += reason_text(reason);
    return line;
}

void CreateBadQsoReport(TextFiles& files, const std::string& file_name) {
    files.write(file_name, with_line_end(kBadQsoTitle));
}

void AppendBadQsoLine(TextFiles& files, const std::string& file_name, const std::string& line) {
    files.append(file_name, line.empty() ? std::string() : with_line_end(line));
}

void RemoveBadQsoLines(TextFiles& files, const std::string& file_name, const std::string& call,
                       const OleDateTime& qso_time) {
    // The time is matched together with the gaps around its field, so that it cannot be taken
    // for a part of another field.
    const std::string word = blank_controls(call);
    const std::string time_field = kFieldGap + bad_qso_time_text(qso_time) + kFieldGap;
    std::string kept = with_line_end(kBadQsoTitle);
    if (auto lines = files.read_lines(file_name)) {
        for (std::size_t i = 0; i < lines->size(); ++i) {
            const std::string& line = (*lines)[i];
            if (i == 0 && line == kBadQsoTitle)
                continue;
            if (contains_word_ignoring_case(line, word) &&
                line.find(time_field) != std::string::npos)
                continue;
            kept += with_line_end(line);
        }
    }
    files.write(file_name, kept);
}

int CountBadQsos(TextFiles& files, const std::string& file_name) {
    auto lines = files.read_lines(file_name);
    if (!lines)
        return 0;
    int count = 0;
    for (const auto& line : *lines)
        for (const auto& entry : kReasons)
            if (entry.reason != BadQsoReason::dupe && ends_with(line, entry.text)) {
                ++count;
                break;
            }
    return count;
}
