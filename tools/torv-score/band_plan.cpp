#include "tools/torv-score/band_plan.h"

#include <cmath>

#include "engine/contest_rules.h"

namespace {

struct Band {
    std::string_view name;
    double lower_mhz, upper_mhz;
};

// The ADIF band plan, band edges in MHz.
constexpr Band kBands[] = {
    {"2190m", 0.1357, 0.1378},   {"630m", 0.472, 0.479},      {"560m", 0.501, 0.504},
    {"160m", 1.8, 2.0},          {"80m", 3.5, 4.0},           {"60m", 5.06, 5.45},
    {"40m", 7.0, 7.3},           {"30m", 10.1, 10.15},        {"20m", 14.0, 14.35},
    {"17m", 18.068, 18.168},     {"15m", 21.0, 21.45},        {"12m", 24.89, 24.99},
    {"10m", 28.0, 29.7},         {"8m", 40.0, 45.0},          {"6m", 50.0, 54.0},
    {"5m", 54.000001, 69.9},     {"4m", 70.0, 71.0},          {"2m", 144.0, 148.0},
    {"1.25m", 222.0, 225.0},     {"70cm", 420.0, 450.0},      {"33cm", 902.0, 928.0},
    {"23cm", 1240.0, 1300.0},    {"13cm", 2300.0, 2450.0},    {"9cm", 3300.0, 3500.0},
    {"6cm", 5650.0, 5925.0},     {"3cm", 10000.0, 10500.0},   {"1.25cm", 24000.0, 24250.0},
    {"6mm", 47000.0, 47200.0},   {"4mm", 75500.0, 81000.0},   {"2.5mm", 119980.0, 123000.0},
    {"2mm", 134000.0, 149000.0}, {"1mm", 241000.0, 250000.0}, {"submm", 300000.0, 7500000.0},
};

struct Designation {
    std::string_view text, band;
};

constexpr Designation kCabrilloDesignations[] = {
    {"50", "6m"},    {"70", "4m"},      {"144", "2m"},      {"222", "1.25m"}, {"432", "70cm"},
    {"902", "33cm"}, {"1.2G", "23cm"},  {"2.3G", "13cm"},   {"3.4G", "9cm"},  {"5.7G", "6cm"},
    {"10G", "3cm"},  {"24G", "1.25cm"}, {"47G", "6mm"},     {"75G", "4mm"},   {"122G", "2.5mm"},
    {"134G", "2mm"}, {"241G", "1mm"},   {"LIGHT", "submm"},
};

}  // namespace

std::string_view band_of_frequency_mhz(double mhz) {
    if (!std::isfinite(mhz))
        return {};
    // A frequency written in kHz and divided by 1000 may land a hair beside a band edge.
    constexpr double kSlack = 1e-9;
    for (const Band& band : kBands) {
        if (mhz >= band.lower_mhz - kSlack && mhz <= band.upper_mhz + kSlack)
            return band.name;
    }
    return {};
}

std::string_view band_by_name(std::string_view name) {
    for (const Band& band : kBands) {
        if (equals_ignoring_case(band.name, name))
            return band.name;
    }
    return {};
}

std::string_view band_of_cabrillo_designation(std::string_view designation) {
    for (const Designation& entry : kCabrilloDesignations) {
        if (equals_ignoring_case(entry.text, designation))
            return entry.band;
    }
    return {};
}
