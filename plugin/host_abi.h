// The host interface of the plug-in: the date-time object the host passes by pointer and the
// exported functions with the exact parameter lists the host calls them with. The DLL exports
// each function twice (decorated and plain name) through Stats.def; natively the same functions
// are linked into the offline scorer, which calls them exactly as the host does.
#pragma once

#include <cstdint>

#if defined(_WIN32)
#define STATS_CDECL __cdecl
#else
#define STATS_CDECL
#endif

// Layout of the host's OLE date-time object as a 32-bit MSVC host lays it out: the day count
// (days since 30 December 1899, time of day as the fraction) followed by the status.
struct alignas(8) HostDateTime {
    double dt;
    std::int32_t status;  // 0 valid, 1 invalid, 2 null
};
static_assert(sizeof(HostDateTime) == 16, "the host's date-time object is 16 bytes");
static_assert(alignof(HostDateTime) == 8, "the host aligns its date-time object to 8 bytes");

using HostText = const char*;
using HostTime = HostDateTime*;

extern "C" {

// 33 parameters: 2 texts, 4 date-times, 2 unsigned, 15 texts, 3 ints, 2 doubles, 5 texts.
int STATS_CDECL AddData0(HostText own_call, HostText call, HostTime qso_time, HostTime t4,
                         HostTime t5, HostTime t6, unsigned u7, unsigned frequency_hz,
                         HostText mode, HostText report_sent, HostText report_received,
                         HostText exchange_sent, HostText exchange_received, HostText s14,
                         HostText s15, HostText s16, HostText s17, HostText s18, HostText s19,
                         HostText s20, HostText s21, HostText s22, HostText country, int i24,
                         int i25, int i26, double d27, double d28, HostText s29, HostText continent,
                         HostText s31, HostText band, HostText s33);

// The same 33 parameters as AddData0.
int STATS_CDECL RemoveData0(HostText own_call, HostText call, HostTime qso_time, HostTime t4,
                            HostTime t5, HostTime t6, unsigned u7, unsigned frequency_hz,
                            HostText mode, HostText report_sent, HostText report_received,
                            HostText exchange_sent, HostText exchange_received, HostText s14,
                            HostText s15, HostText s16, HostText s17, HostText s18, HostText s19,
                            HostText s20, HostText s21, HostText s22, HostText country, int i24,
                            int i25, int i26, double d27, double d28, HostText s29,
                            HostText continent, HostText s31, HostText band, HostText s33);

// 23 parameters: text, int, text, 2 date-times, 10 texts, 3 ints, 2 doubles, 3 texts.
int STATS_CDECL ResetStats0(HostText host_folder, int export_request, HostText own_call,
                            HostTime contest_start, HostTime contest_end, HostText s6, HostText s7,
                            HostText s8, HostText s9, HostText s10, HostText s11, HostText s12,
                            HostText s13, HostText s14, HostText own_country, int i16, int i17,
                            int i18, double d19, double d20, HostText s21, HostText own_continent,
                            HostText s23);

// 28 parameters: text, 2 unsigned, 11 texts, 3 ints, 2 doubles, 7 texts, 2 writable buffers.
int STATS_CDECL CheckCall0(HostText call, unsigned u2, unsigned u3, HostText mode, HostText s5,
                           HostText s6, HostText s7, HostText s8, HostText s9, HostText s10,
                           HostText s11, HostText s12, HostText s13, HostText country, int i15,
                           int i16, int i17, double d18, double d19, HostText s20,
                           HostText continent, HostText s22, HostText s23, HostText s24,
                           HostText band, HostText second_band, char* buffer27, char* buffer28);

int STATS_CDECL IsValidExchg0(HostText exchange, HostText s2, HostText s3, HostText s4, int i5,
                              int i6, int i7);
int STATS_CDECL GetNumberOfSets();
const char* STATS_CDECL GetResult0(int* status);
const char* STATS_CDECL GetSetName(int index);
void STATS_CDECL SetupSet0();
unsigned long STATS_CDECL setVersion(HostText version);

}  // extern "C"
