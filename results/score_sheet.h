// The figures of one result: the arithmetic that the plain and the HTML result texts share.
// Computed from the contest log alone, so that the text builders and the operator window never
// need the log itself.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/contest_rules.h"
#include "engine/qso_record.h"

using StringList = std::vector<std::string>;

// Counted QSOs, points, multipliers and the QSOs per mode class of one band or of the total.
struct BandFigures {
    int qsos = 0;
    int points = 0;
    int multipliers = 0;
    int cw = 0;
    int ssb = 0;
    int digi = 0;

    bool operator==(const BandFigures&) const = default;
};

struct BandRow {
    std::string band;
    BandFigures figures;

    bool operator==(const BandRow&) const = default;
};

// QSOs and points of the last 60 and the last 10 minutes on the band of the last QSO, as
// counted (not yet scaled to an hour).
struct RateFigures {
    int hour_qsos = 0;
    int ten_minute_qsos = 0;
    int hour_points = 0;
    int ten_minute_points = 0;

    bool operator==(const RateFigures&) const = default;
};

// The distinct multiplier keys of one band slot, per mode class (CW, SSB, DIGI), in the order
// in which the log first shows them.
using SlotMultipliers = std::array<StringList, kModeClassCount>;

struct ScoreSheet {
    std::vector<BandRow> rows;  // one per worked band, longest wavelength first
    BandFigures total;
    int dupes = 0;
    int bad_qsos = 0;
    int score = 0;  // total points x total multipliers, held at the largest int on overflow
    int last_qso_points = 0;
    RateFigures rates;
    // The lists of the slots that a worked band filled; the other slots keep what they held.
    std::array<std::optional<SlotMultipliers>, kBandSlotCount> refilled_slots;
};

struct ScoreInput {
    const ContestLog& log;
    const StringList& worked_bands;  // in the order to report them (see SortWorkedBands)
    const std::string& own_country;
    const std::string& own_continent;
    bool export_run = false;  // an export scores no rates
    int bad_qsos = 0;
};

// Scores the whole log in one pass, whatever its size.
ScoreSheet ComputeScore(const ScoreInput& input);

// Orders the worked bands longest wavelength first: descending by the text left-padded with
// "0" to 20 characters, so "160m" comes before "80m" and "20m" before "20M".
void SortWorkedBands(StringList& bands);
