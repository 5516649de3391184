// The file text and its lines, from the data alone.
#include "cabrillo/cabrillo_writer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const OleDateTime kNoon = OleDateTime::from_fields(2018, 3, 10, 12, 5, 0);

CabrilloQso qso(std::string_view worked_call, std::uint32_t khz, std::string_view mode) {
    return {"XX9OWN", worked_call, khz, mode, kNoon, "599", "001", "599", "017"};
}

CabrilloHeader sample_header() {
    CabrilloHeader h;
    h.own_call = "I2XYZ";
    h.name = "Mario Rossi";
    h.address = "Via Roma 1";
    h.address_city = "Milano";
    h.address_postal_code = "20100";
    h.address_country = "Italy";
    h.email = "i2xyz@example.org";
    h.operators = "I2XYZ";
    h.category_operator = "SINGLE-OP";
    h.category_mode = "MIXED";
    h.category_transmitter = "ONE";
    h.category_station = "FIXED";
    return h;
}

}  // namespace

TEST(CabrilloFileBaseName, SeparatorsBecomeUnderscoresAndBlanksGo) {
    const struct {
        const char* call;
        const char* expected;
    } cases[] = {
        {"DL/K1ABC/P", "DL_K1ABC_P"},
        {"DL\\K1ABC", "DL_K1ABC"},
        {"   ", "QLVX"},
        {"", "QLVX"},
        {" I2XYZ\t", "I2XYZ"},
        {"/", "_"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.call);
        EXPECT_EQ(CabrilloFileBaseName(c.call), c.expected);
    }
}

TEST(FormatQsoLine, PadsEveryColumnAndCutsNothing) {
    const struct {
        const char* name;
        CabrilloQso qso;
        const char* expected;
    } cases[] = {
        {"frequency padded to five", qso("XX1ABC", 7025, "CW"),
         "QSO:  7025 CW 2018-03-10 1205 XX9OWN        599 001    XX1ABC        599 017\r\n"},
        {"frequency wider than five", qso("XX1ABC", 144300, "PH"),
         "QSO: 144300 PH 2018-03-10 1205 XX9OWN        599 001    XX1ABC        599 017\r\n"},
        {"call of fourteen pushes the rest", qso("XX1ABCDEFGHIJK", 14025, "RY"),
         "QSO: 14025 RY 2018-03-10 1205 XX9OWN        599 001    XX1ABCDEFGHIJK 599 017\r\n"},
        {"unknown mode", qso("XX1ABC", 14070, "??"),
         "QSO: 14070 ?? 2018-03-10 1205 XX9OWN        599 001    XX1ABC        599 017\r\n"},
        {"one-letter mode right-aligned", qso("XX1ABC", 14070, "X"),
         "QSO: 14070  X 2018-03-10 1205 XX9OWN        599 001    XX1ABC        599 017\r\n"},
        {"invalid time",
         {"XX9OWN",
          "XX1ABC",
          3525,
          "PM",
          {1.0, OleDateTime::Status::invalid},
          "59",
          "1",
          "59",
          "LIRF"},
         "QSO:  3525 PM Invalid DateTime XX9OWN        59  1      XX1ABC        59  LIRF\r\n"},
        {"null time",
         {"XX9OWN", "XX1ABC", 3525, "PM", OleDateTime::null(), "", "", "", ""},
         "QSO:  3525 PM  XX9OWN                   XX1ABC            \r\n"},
        {"line breaks in host texts removed",
         {"XX9OWN", "XX1\r\nABC", 3525, "CW", kNoon, "5\n99", "0\r01", "599", "01\r\n7"},
         "QSO:  3525 CW 2018-03-10 1205 XX9OWN        599 001    XX1ABC        599 017\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatQsoLine(c.qso), c.expected);
    }
}

TEST(CabrilloFileText, WritesTheHeaderLinesByTheirConditions) {
    const std::string common_tail =
        "OPERATORS: I2XYZ\r\n"
        "NAME: Mario Rossi\r\n"
        "CREATED-BY: Norl 2.20\r\n"
        "ADDRESS: Via Roma 1\r\n"
        "ADDRESS-CITY: Milano\r\n"
        "ADDRESS-POSTALCODE: 20100\r\n"
        "ADDRESS-COUNTRY: Italy\r\n"
        "EMAIL: i2xyz@example.org\r\n"
        "SOAPBOX: \r\n"
        "END-OF-LOG:\r\n";
    const std::string start =
        "START-OF-LOG: 3.0\r\n"
        "CONTEST: TORV\r\n"
        "CALLSIGN: I2XYZ\r\n";
    const struct {
        const char* name;
        void (*change)(CabrilloHeader&);
        std::string middle;  // the lines between CALLSIGN and OPERATORS
    } cases[] = {
        {"single-op writes neither transmitter nor station", [](CabrilloHeader&) {},
         "CATEGORY-OPERATOR: SINGLE-OP\r\nCATEGORY-MODE: MIXED\r\n"},
        {"multi-op with transmitter and station",
         [](CabrilloHeader& h) { h.category_operator = "MULTI-OP"; },
         "CATEGORY-OPERATOR: MULTI-OP\r\nCATEGORY-MODE: MIXED\r\n"
         "CATEGORY-TRANSMITTER: ONE\r\nCATEGORY-STATION: FIXED\r\n"},
        {"multi-op without transmitter and station",
         [](CabrilloHeader& h) {
             h.category_operator = "MULTI-OP";
             h.category_transmitter.clear();
             h.category_station.clear();
         },
         "CATEGORY-OPERATOR: MULTI-OP\r\nCATEGORY-MODE: MIXED\r\nCATEGORY-TRANSMITTER: \r\n"},
        {"multi-op in small letters is not multi-op",
         [](CabrilloHeader& h) { h.category_operator = "multi-op"; },
         "CATEGORY-OPERATOR: multi-op\r\nCATEGORY-MODE: MIXED\r\n"},
        {"overlay when given", [](CabrilloHeader& h) { h.category_overlay = "MEMBER"; },
         "CATEGORY-OPERATOR: SINGLE-OP\r\nCATEGORY-MODE: MIXED\r\nCATEGORY-OVERLAY: MEMBER\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CabrilloHeader header = sample_header();
        c.change(header);
        EXPECT_EQ(CabrilloFileText(header, {}, "2.20"), start + c.middle + common_tail);
    }
}

TEST(CabrilloFileText, MultiLineValuesGiveOneTaggedLineEach) {
    CabrilloHeader header = sample_header();
    header.soapbox = "First line\r\nsecond line\r\n";
    header.offtime = "2018-03-10 1300 2018-03-10 1400\r\n2018-03-10 1500 2018-03-10 1600";
    std::string text = CabrilloFileText(header, {"QSO: one\r\n", "QSO: two\r\n"}, "2.20");
    EXPECT_NE(text.find("EMAIL: i2xyz@example.org\r\n"
                        "SOAPBOX: First line\r\n"
                        "SOAPBOX: second line\r\n"
                        "SOAPBOX: \r\n"
                        "OFFTIME: 2018-03-10 1300 2018-03-10 1400\r\n"
                        "OFFTIME: 2018-03-10 1500 2018-03-10 1600\r\n"
                        "QSO: one\r\n"
                        "QSO: two\r\n"
                        "END-OF-LOG:\r\n"),
              std::string::npos)
        << text;
}

TEST(CabrilloFileText, LineBreaksInSingleLineValuesCannotSplitALine) {
    CabrilloHeader header = sample_header();
    header.name = "Mario\r\nQSO:  7000 CW";
    header.address = "Via\tRoma\n1";
    header.own_call = "I2\rXYZ";
    header.category_mode = "MIX\nED";
    header.soapbox = "one\x01 line\nnext";
    std::string text = CabrilloFileText(header, {}, "2.\r\n20");
    EXPECT_NE(text.find("\r\nNAME: MarioQSO:  7000 CW\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nADDRESS: ViaRoma1\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nCALLSIGN: I2XYZ\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nCATEGORY-MODE: MIXED\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nCREATED-BY: Norl 2.20\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nSOAPBOX: one line\r\nSOAPBOX: next\r\n"), std::string::npos) << text;
    // Every line end is a CR LF, and nothing else breaks a line.
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            EXPECT_EQ(text[i - 1], '\r') << "at " << i;
        }
        if (text[i] == '\r') {
            EXPECT_EQ(text[i + 1], '\n') << "at " << i;
        }
    }
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 16);
}
