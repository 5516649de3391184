// One session of accepted, rejected, dupe and removed QSOs, and the exact bytes of the bad-QSO
// report file it leaves. Run natively on the core and through Stats.dll under Wine: both must
// write the same bytes.
#pragma once

#include <string>

struct SessionStep {
    bool remove;  // RemoveData0 instead of AddData0
    const char* call;
    const char* band;
    const char* mode;
    const char* exchange_sent;
    const char* exchange_received;
    int minute;  // of 13 h on 2 February 2008
    unsigned frequency_hz;
    int expected;  // the export's answer
};

inline constexpr SessionStep kReportSession[] = {
    {false, "XX1ABC", "20m", "CW", "001", "001", 42, 14025000, 1},
    {false, "XX2DEF", "160m", "CW", "002", "017", 43, 1830000, 0},
    {false, "XX3GHI", "40m", "BPSK31", "003", "5", 44, 7035000, 0},
    {false, "XX4JKL", "15m", "SSB", "004", "", 45, 21200000, 0},
    {false, "xx1abc", "20M", "cw", "005", "lirf", 46, 14026000, 1},  // dupe of XX1ABC
    {false, "XX5MNO", "10m", "RTTY", "007", "LIRF", 47, 28080500, 1},
    {false, "XX5MNO", "10m", "BPSK63", "008", "LIRA", 48, 28120999, 1},  // dupe: both DIGI
    {false, "XX6\nPQR", "80m", "AM", "009", "3\r", 49, 3700000, 0},
    {false, "XX4JKL", "15m", "SSB", "010", "5", 50, 21200000, 1},
    {false, "XX1ABC", "20m", "CW", "011", "6", 51, 14025000, 1},  // dupe again
    {false, "XX1AB", "20m", "FT8", "006", "12", 51, 14074000, 0},
    {true, "XX5MNO", "10m", "BPSK63", "", "", 48, 0, 1},
    {true, "XX1AB", "20m", "FT8", "", "", 51, 0, 1},
    {false, "XX7STU", "20m", "CW", "012", "", 52, 14030000, 0},
};

inline const std::string kReportSessionBytes =
    "TORV Contest UBN file \r\n"
    "QSO:  1830  CW  2008-02-02 1343  XX9OWN  599  002  XX2DEF  599  017   WRONG BAND !!!\r\n"
    "QSO:  7035  BPSK31  2008-02-02 1344  XX9OWN  599  003  XX3GHI  599  5   WRONG MODE !!!\r\n"
    "QSO:  21200  SSB  2008-02-02 1345  XX9OWN  599  004  XX4JKL  599     NO RX NUMBER !!!\r\n"
    "QSO:  14026  cw  2008-02-02 1346  XX9OWN  599  005  xx1abc  599  lirf   DUPE !!!\r\n"
    "QSO:  3700  AM  2008-02-02 1349  XX9OWN  599  009  XX6 PQR  599  3    WRONG MODE !!!\r\n"
    "QSO:  14025  CW  2008-02-02 1351  XX9OWN  599  011  XX1ABC  599  6   DUPE !!!\r\n"
    "QSO:  14030  CW  2008-02-02 1352  XX9OWN  599  012  XX7STU  599     NO RX NUMBER !!!\r\n";

// The session's log afterwards: XX1ABC, xx1abc (dupe), XX5MNO (RTTY), XX4JKL, XX1ABC (dupe).
inline constexpr int kReportSessionRecords = 5;
// Rejected QSOs still listed: XX2DEF, XX3GHI, XX4JKL, XX6 PQR, XX7STU.
inline constexpr int kReportSessionBadQsos = 5;
