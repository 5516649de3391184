// An ADIF 3 file (the .adi form) taken apart into its header fields and records, with nothing
// made of the values yet. Field data is counted in bytes, so it may hold '<', '>' and line ends.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct AdifField {
    std::string name;  // in lower case; ADIF names ignore case
    std::string value;
};

struct AdifRecord {
    std::size_t number = 0;  // 1-based among the file's records
    std::vector<AdifField> fields;
    // Empty for a sound record; otherwise what is wrong with it, for a person. A broken
    // record keeps the fields that could be read.
    std::string problem;

    // The value of the first field of that (lower-case) name, or nothing.
    const std::string* find(std::string_view name) const;
};

struct AdifFile {
    std::vector<AdifField> header;  // the fields before <EOH>
    std::string header_problem;     // what is wrong with the header; empty when nothing is
    std::vector<AdifRecord> records;
};

// Never throws for any content. Text between fields is ignored; a record without fields (two
// <EOR> in a row) is not a record.
AdifFile parse_adif(std::string_view text);
