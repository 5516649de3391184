#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "results/score_sheet.h"
#include "results/scoring_rules.h"

namespace {

// What one band collects while the log is walked.
struct BandTally {
    BandFigures figures;
    int dupes = 0;
    // A record whose class text is none of the three files its key under the class of the
    // band's previous classified record.
    ModeClassIndex previous_class = ModeClassIndex::cw;
    std::array<std::unordered_set<std::string_view>, kModeClassCount> seen_keys;
    SlotMultipliers keys;
};

void add(BandFigures& total, const BandFigures& band) {
    total.qsos += band.qsos;
    total.points += band.points;
    total.multipliers += band.multipliers;
    total.cw += band.cw;
    total.ssb += band.ssb;
    total.digi += band.digi;
}

void count_mode_class(BandTally& tally, ModeClassIndex mode_class) {
    switch (mode_class) {
        case ModeClassIndex::cw:
            ++tally.figures.cw;
            break;
        case ModeClassIndex::ssb:
            ++tally.figures.ssb;
            break;
        case ModeClassIndex::digi:
            ++tally.figures.digi;
            break;
    }
}

int saturated_product(int a, int b) {
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    product = std::clamp<std::int64_t>(product, std::numeric_limits<int>::min(),
                                       std::numeric_limits<int>::max());
    return static_cast<int>(product);
}

}  // namespace

ScoreSheet ComputeScore(const ScoreInput& input) {
    ScoreSheet sheet;
    sheet.bad_qsos = input.bad_qsos;

    std::vector<BandTally> tallies;
    std::unordered_map<std::string_view, std::size_t> tally_of_band;
    for (const auto& band : input.worked_bands)
        if (tally_of_band.emplace(band, tallies.size()).second)
            tallies.emplace_back();

    const bool own_icao = SendsIcaoCode(input.log);
    // Rates are those of the band the operator worked last, measured back from his last QSO.
    const CInfo* last = input.log.empty() ? nullptr : &input.log.back();

    // One pass: each record only touches the tally of its own band, and a band's figures depend
    // only on its records in log order.
    for (const CInfo& qso : input.log) {
        if (qso.worked_call.empty())
            continue;
        auto found = tally_of_band.find(qso.band);
        if (found == tally_of_band.end())
            continue;
        BandTally& tally = tallies[found->second];
        tally.dupes += qso.dupe;
        if (qso.not_counted != 0)
            continue;

        int points = QsoPoints(qso, own_icao, input.own_country, input.own_continent);
        ++tally.figures.qsos;
        tally.figures.points += points;

        if (qso.band == last->band) {
            sheet.last_qso_points = points;
            if (!input.export_run) {
                double minutes = MinutesBefore(last->qso_time.days(), qso.qso_time.days());
                if (minutes < 60) {
                    ++sheet.rates.hour_qsos;
                    sheet.rates.hour_points += points;
                }
                if (minutes < 10) {
                    ++sheet.rates.ten_minute_qsos;
                    sheet.rates.ten_minute_points += points;
                }
            }
        }

        if (auto mode_class = ModeClassOf(qso.mode_class)) {
            count_mode_class(tally, *mode_class);
            tally.previous_class = *mode_class;
        }
        auto index = static_cast<std::size_t>(tally.previous_class);
        if (!qso.multiplier_key.empty() &&
            tally.seen_keys[index].insert(qso.multiplier_key).second) {
            tally.keys[index].push_back(qso.multiplier_key);
            ++tally.figures.multipliers;
        }
    }

    // A band text outside the slot table takes the slot of the band before it.
    int slot = 0;
    for (const auto& band : input.worked_bands) {
        if (int own_slot = band_slot(band); own_slot >= 0)
            slot = own_slot;
        const BandTally& tally = tallies[tally_of_band.at(band)];
        sheet.refilled_slots[static_cast<std::size_t>(slot)] = tally.keys;
        sheet.rows.push_back({band, tally.figures});
        add(sheet.total, tally.figures);
        sheet.dupes += tally.dupes;
    }
    sheet.score = saturated_product(sheet.total.points, sheet.total.multipliers);
    return sheet;
}

void SortWorkedBands(StringList& bands) {
    constexpr std::size_t kPaddedWidth = 20;
    auto padded = [](const std::string& band) {
        return band.size() >= kPaddedWidth ? band
                                           : std::string(kPaddedWidth - band.size(), '0') + band;
    };
    std::vector<std::string> keys;
    keys.reserve(bands.size());
    for (const auto& band : bands)
        keys.push_back(padded(band));
    // An exchange sort: the list holds a handful of bands.
    for (std::size_t i = 0; i + 1 < bands.size(); ++i)
        for (std::size_t j = i + 1; j < bands.size(); ++j)
            if (keys[i] < keys[j]) {
                std::swap(keys[i], keys[j]);
                std::swap(bands[i], bands[j]);
            }
}
