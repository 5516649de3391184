#include "engine/dupe_index.h"

#include "engine/contest_rules.h"

void DupeIndex::remove(const CInfo& record) {
    auto found = counts_.find(key(record));
    if (found != counts_.end() && --found->second == 0)
        counts_.erase(found);
}

std::string DupeIndex::key(const CInfo& record) {
    // The separator cannot occur in a band or mode class of the tables.
    return to_upper_ascii(record.worked_call) + '\n' + record.band + '\n' + record.mode_class;
}
