// Times of the sample contest of the Cabrillo tests: 10 March 2018.
#pragma once

#include "engine/ole_date_time.h"

inline const OleDateTime kContestStart = OleDateTime::from_fields(2018, 3, 10, 0, 0, 0);
inline const OleDateTime kContestEnd = OleDateTime::from_fields(2018, 3, 11, 0, 0, 0);

// The contest day at the given hour and minute.
inline OleDateTime at(int hour, int minute) {
    return OleDateTime::from_fields(2018, 3, 10, hour, minute, 0);
}
