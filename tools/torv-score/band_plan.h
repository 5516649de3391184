// The amateur bands of the ADIF band plan and the Cabrillo frequency designations above 30 MHz:
// which band a frequency lies in, and the band's spelling as the plug-in compares it ("20m").
#pragma once

#include <string_view>

// The band whose edges (inclusive) hold the frequency in MHz; empty for a frequency outside
// every band, a negative one or one that is not a number.
std::string_view band_of_frequency_mhz(double mhz);

// The plan's own spelling of a band name given in any letter case ("20M" gives "20m"); empty
// when the plan has no such band.
std::string_view band_by_name(std::string_view name);

// The band of a Cabrillo designation that stands for a whole band ("50", "144", "1.2G",
// "LIGHT"); empty for anything else.
std::string_view band_of_cabrillo_designation(std::string_view designation);
