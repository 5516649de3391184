// The contest session: every value the plug-in keeps between two calls of the host. The host's
// thread changes it inside the exports; the operator window's thread reads it. Both go through
// Session::access(), which holds the session's lock for as long as the access object lives.
#pragma once

#include <array>
#include <mutex>
#include <string>
#include <vector>

#include "engine/contest_rules.h"
#include "engine/dupe_index.h"
#include "engine/qso_record.h"

using StringList = std::vector<std::string>;

struct SessionState {
    ContestLog log;
    DupeIndex dupe_index;     // follows every change of the log
    StringList worked_bands;  // band texts of stored QSOs, each once
    // Six rows (band slots) of five cells: band, CW, SSB, DIGI, ICAO/NR.
    std::array<std::array<std::string, 5>, kBandSlotCount> previous_qso_grid;
    // Distinct multiplier keys per mode class (CW, SSB, DIGI) and band slot.
    std::array<std::array<StringList, kBandSlotCount>, kModeClassCount> multiplier_lists;
    StringList icao_list;
    bool icao_list_loaded = true;  // false when the ICAO list file could not be opened

    std::string own_call, own_country, own_continent;
    std::string contest_start_text, contest_end_text, contest_year_text;
    std::string host_version;
    std::string bad_qso_file;

    bool export_run = false;
    bool export_confirmed = false;  // the operator confirmed the Cabrillo header with OK
    bool html = false;
    bool russian_texts = false;
    bool digital_mode = false;
    bool refresh_pending = true;

    int bad_qso_count = 0;
    int claimed_score = 0;
    std::string result_text;  // owned here; GetResult0 returns a pointer into it
};

class Session {
  public:
    class Access {
      public:
        Access(std::mutex& mutex, SessionState& state) : lock_(mutex), state_(state) {}
        SessionState* operator->() { return &state_; }
        SessionState& operator*() { return state_; }

      private:
        std::unique_lock<std::mutex> lock_;
        SessionState& state_;
    };

    Access access() { return Access(mutex_, state_); }

  private:
    std::mutex mutex_;
    SessionState state_;
};
