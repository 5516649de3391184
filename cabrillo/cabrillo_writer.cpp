#include "cabrillo/cabrillo_writer.h"

#include <cstdio>

#include "cabrillo/replace_all.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool always(const CabrilloHeader&) {
    return true;
}
bool overlay_given(const CabrilloHeader& h) {
    return !h.category_overlay.empty();
}
bool multi_op(const CabrilloHeader& h) {
    return h.category_operator == "MULTI-OP";
}
bool multi_op_station_given(const CabrilloHeader& h) {
    return multi_op(h) && !h.category_station.empty();
}
bool offtime_given(const CabrilloHeader& h) {
    return !h.offtime.empty();
}

enum class Value {
    none,   // the tag is the whole line
    field,  // one line: tag and field
    lines,  // one tagged line per line of the field
    host_version
};

struct HeaderLine {
    const char* tag;
    Value value;
    std::string CabrilloHeader::*field;
    bool (*written)(const CabrilloHeader&);
};

// The header in file order. The contest line is fixed: the file is always a TORV log.
const HeaderLine kHeaderLines[] = {
    {"START-OF-LOG: 3.0", Value::none, nullptr, always},
    {"CONTEST: TORV", Value::none, nullptr, always},
    {"CALLSIGN: ", Value::field, &CabrilloHeader::own_call, always},
    {"CATEGORY-OPERATOR: ", Value::field, &CabrilloHeader::category_operator, always},
    {"CATEGORY-MODE: ", Value::field, &CabrilloHeader::category_mode, always},
    {"CATEGORY-OVERLAY: ", Value::field, &CabrilloHeader::category_overlay, overlay_given},
    {"CATEGORY-TRANSMITTER: ", Value::field, &CabrilloHeader::category_transmitter, multi_op},
    {"CATEGORY-STATION: ", Value::field, &CabrilloHeader::category_station, multi_op_station_given},
    {"OPERATORS: ", Value::field, &CabrilloHeader::operators, always},
    {"NAME: ", Value::field, &CabrilloHeader::name, always},
    {"CREATED-BY: Norl ", Value::host_version, nullptr, always},
    {"ADDRESS: ", Value::field, &CabrilloHeader::address, always},
    {"ADDRESS-CITY: ", Value::field, &CabrilloHeader::address_city, always},
    {"ADDRESS-POSTALCODE: ", Value::field, &CabrilloHeader::address_postal_code, always},
    {"ADDRESS-COUNTRY: ", Value::field, &CabrilloHeader::address_country, always},
    {"EMAIL: ", Value::field, &CabrilloHeader::email, always},
    {"SOAPBOX: ", Value::lines, &CabrilloHeader::soapbox, always},
    {"OFFTIME: ", Value::lines, &CabrilloHeader::offtime, offtime_given},
};

// Lines of a multi-line value; CR LF, a lone CR and a lone LF each end a line. An empty value
// is one empty line.
std::vector<std::string_view> split_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

void append_line(std::string& out, std::string_view tag, std::string_view value) {
    out.append(tag);
    out.append(OneLine(value));
    out.append(kLineEnd);
}

std::string padded_right(std::string_view text, std::size_t width) {
    std::string result = OneLine(text);
    if (result.size() < width)
        result.append(width - result.size(), ' ');
    return result;
}

std::string padded_left(std::string_view text, std::size_t width) {
    std::string result = OneLine(text);
    if (result.size() < width)
        result.insert(0, width - result.size(), ' ');
    return result;
}

std::string trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\n\v\f\r";
    std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    std::size_t last = text.find_last_not_of(kBlanks);
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace

std::string OneLine(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F)
            result.push_back(c);
    }
    return result;
}

std::string CabrilloFileBaseName(std::string_view own_call) {
    std::string name = trimmed(ReplaceAll(ReplaceAll(own_call, "/", "_"), "\\", "_"));
    return name.empty() ? "QLVX" : name;
}

std::string FormatQsoLine(const CabrilloQso& qso) {
    std::string line = "QSO: ";
    line += padded_left(std::to_string(qso.frequency_khz), 5);
    line += ' ';
    line += padded_left(qso.mode_abbreviation, 2);
    line += ' ';
    line += qso.time.Format("%Y-%m-%d %H%M");
    line += ' ';
    line += padded_right(qso.own_call, 13);
    line += ' ';
    line += padded_right(qso.sent_report, 3);
    line += ' ';
    line += padded_right(qso.sent_exchange, 6);
    line += ' ';
    line += padded_right(qso.worked_call, 13);
    line += ' ';
    line += padded_right(qso.received_report, 3);
    line += ' ';
    line += OneLine(qso.received_exchange);
    line += kLineEnd;
    return line;
}

std::string CabrilloFileText(const CabrilloHeader& header,
                             const std::vector<std::string>& qso_lines,
                             std::string_view host_version) {
    std::string text;
    for (const HeaderLine& line : kHeaderLines) {
        if (!line.written(header))
            continue;
        switch (line.value) {
            case Value::none:
                append_line(text, line.tag, "");
                break;
            case Value::field:
                append_line(text, line.tag, header.*line.field);
                break;
            case Value::host_version:
                append_line(text, line.tag, host_version);
                break;
            case Value::lines:
                for (std::string_view part : split_lines(header.*line.field))
                    append_line(text, line.tag, part);
                break;
        }
    }
    for (const std::string& qso_line : qso_lines)
        text += qso_line;
    text += "END-OF-LOG:";
    text += kLineEnd;
    return text;
}
