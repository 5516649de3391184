// Prints what the ADIF parser makes of a file, as JSON, for a comparison with another reader.
// Every byte stands for the character of the same number (Latin-1), so that both readers count
// data lengths in bytes.
//   adif_records_json FILE
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "tools/torv-score/adif_file.h"

namespace {

std::string json_text(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte >= 0x7f) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string json_fields(const std::vector<AdifField>& fields) {
    std::string out = "[";
    for (const AdifField& field : fields) {
        if (out.size() > 1)
            out += ",";
        out += "[" + json_text(field.name) + "," + json_text(field.value) + "]";
    }
    return out + "]";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: adif_records_json FILE\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    std::ostringstream content;
    content << in.rdbuf();
    const AdifFile file = parse_adif(content.str());

    std::cout << "{\"header\":" << json_fields(file.header)
              << ",\"header_problem\":" << json_text(file.header_problem) << ",\"records\":[";
    for (const AdifRecord& record : file.records) {
        std::cout << (record.number > 1 ? "," : "") << "{\"number\":" << record.number
                  << ",\"problem\":" << json_text(record.problem)
                  << ",\"fields\":" << json_fields(record.fields) << "}";
    }
    std::cout << "]}\n";
    return 0;
}
