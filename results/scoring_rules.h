// The contest's scoring rules for one QSO: its points and its place in the rate windows.
#pragma once

#include <optional>
#include <string>

#include "engine/contest_rules.h"
#include "engine/qso_record.h"

// Whether the operator sends an ICAO code: some record of the log has a sent exchange that
// begins with a letter. Taken from the log as it is now, so a new session starts clear.
bool SendsIcaoCode(const ContestLog& log);

// Points of a counted QSO: an ICAO exchange 10 (1 once the operator sends an ICAO code
// himself), otherwise 1 in the own country, 2 in the own continent and 3 elsewhere.
int QsoPoints(const CInfo& qso, bool own_icao, const std::string& own_country,
              const std::string& own_continent);

// Whole minutes from a QSO to the reference time, rounded to the nearest second and then
// truncated toward zero; negative for a QSO after the reference. Not a number when either
// day count is not, so that such a QSO falls in no window.
double MinutesBefore(double reference_days, double qso_days);

// Mode class index of a record's class text, or nothing for a text that is none of the three.
std::optional<ModeClassIndex> ModeClassOf(const std::string& mode_class_text);
