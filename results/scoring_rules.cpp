#include "results/scoring_rules.h"

#include <algorithm>
#include <cmath>

bool SendsIcaoCode(const ContestLog& log) {
    return std::any_of(log.begin(), log.end(),
                       [](const CInfo& qso) { return begins_with_letter(qso.sent_exchange); });
}

int QsoPoints(const CInfo& qso, bool own_icao, const std::string& own_country,
              const std::string& own_continent) {
    if (begins_with_letter(qso.received_exchange))
        return own_icao ? 1 : 10;
    if (qso.worked_country == own_country)
        return 1;
    if (qso.worked_continent == own_continent)
        return 2;
    return 3;
}

double MinutesBefore(double reference_days, double qso_days) {
    constexpr double kHalfSecond = 0.5 / 86400.0;
    double difference = reference_days - qso_days;
    difference += difference >= 0 ? kHalfSecond : -kHalfSecond;
    // Truncated in floating point: a wild day count must not overflow an integer.
    return std::trunc(difference * 1440.0);
}

std::optional<ModeClassIndex> ModeClassOf(const std::string& mode_class_text) {
    if (mode_class_text == "CW")
        return ModeClassIndex::cw;
    if (mode_class_text == "SSB")
        return ModeClassIndex::ssb;
    if (mode_class_text == "DIGI")
        return ModeClassIndex::digi;
    return std::nullopt;
}
