// The call, band and mode class of every record in the contest log, counted, so that the
// dupe test of a new QSO does not walk the whole log: a log is fed one QSO at a time, and a
// walk per QSO makes feeding a long log quadratic.
#pragma once

#include <string>
#include <unordered_map>

#include "engine/qso_record.h"

class DupeIndex {
  public:
    // True when the log holds a record with the same call (ASCII letter case ignored), band
    // and mode class.
    bool contains(const CInfo& record) const { return counts_.count(key(record)) != 0; }
    void add(const CInfo& record) { ++counts_[key(record)]; }
    void remove(const CInfo& record);
    void clear() { counts_.clear(); }

  private:
    static std::string key(const CInfo& record);
    std::unordered_map<std::string, int> counts_;
};
