// The raw ADIF parser: fields counted in bytes, headers, and broken records reported.
#include "tools/torv-score/adif_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

MATCHER_P2(Field, name, value, "") {
    return arg.name == name && arg.value == value;
}

}  // namespace

void PrintTo(const AdifField& field, std::ostream* out) {
    *out << field.name << "=" << testing::PrintToString(field.value);
}

TEST(ParseAdif, ReadsAwkwardButValidFiles) {
    const struct {
        const char* name;
        std::string text;
        const char* call;  // the first record's CALL
        std::size_t records;
    } cases[] = {
        {"header text and fields",
         "Log of XX9OWN\r\n<ADIF_VER:5>3.1.4 <PROGRAMID:4>test\r\n<EOH>\r\n"
         "<CALL:6>XX1ABC <EOR>\r\n",
         "XX1ABC", 1},
        {"header starting with a tag", "<adif_ver:5>3.1.4<eoh><call:6>XX1ABC<eor>", "XX1ABC", 1},
        {"no header", "<CALL:6>XX1ABC<EOR><CALL:6>XX2ABC<EOR>", "XX1ABC", 2},
        {"lower and mixed case names and markers", "<Call:6>XX1ABC<eOr>", "XX1ABC", 1},
        {"type indicator", "<CALL:6:S>XX1ABC<QSO_DATE:8:D>20240115<EOR>", "XX1ABC", 1},
        {"LF only", "head\n<EOH>\n<CALL:6>XX1ABC\n<EOR>\n", "XX1ABC", 1},
        {"data holding angle brackets and a line end", "<CALL:6>XX1ABC<NOTES:9>a<b>\r\nc>d<EOR>",
         "XX1ABC", 1},
        {"text between fields", "<CALL:6>XX1ABC some words here <MODE:2>CW\n<EOR>", "XX1ABC", 1},
        {"empty records between records", "<CALL:6>XX1ABC<EOR><EOR>\n<EOR><CALL:1>X<EOR>", "XX1ABC",
         2},
        {"zero length", "<CALL:6>XX1ABC<COMMENT:0><MODE:2>CW<EOR>", "XX1ABC", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AdifFile file = parse_adif(c.text);
        EXPECT_THAT(file.header_problem, IsEmpty());
        ASSERT_EQ(file.records.size(), c.records);
        for (const AdifRecord& record : file.records)
            EXPECT_THAT(record.problem, IsEmpty()) << "record " << record.number;
        ASSERT_NE(file.records[0].find("call"), nullptr);
        EXPECT_EQ(*file.records[0].find("call"), c.call);
    }
}

TEST(ParseAdif, KeepsHeaderFieldsAndEveryValueByteForByte) {
    const AdifFile file = parse_adif(
        "exported\r\n<ADIF_VER:5>3.1.4<eoh>\r\n"
        "<CALL:6>XX1ABC<NOTES:10>x<y>\r\nz\nw<<COMMENT:0><Freq:6:N>14.025<EOR>\r\n"
        "<call:6>XX2ABC<eor>");
    EXPECT_THAT(file.header, ElementsAre(Field("adif_ver", "3.1.4")));
    ASSERT_EQ(file.records.size(), 2u);
    EXPECT_EQ(file.records[0].number, 1u);
    EXPECT_THAT(file.records[0].fields,
                ElementsAre(Field("call", "XX1ABC"), Field("notes", "x<y>\r\nz\nw<"),
                            Field("comment", ""), Field("freq", "14.025")));
    EXPECT_EQ(file.records[1].number, 2u);
    EXPECT_THAT(file.records[1].fields, ElementsAre(Field("call", "XX2ABC")));
}

TEST(ParseAdif, ReportsBrokenRecordsWithTheirNumbersAndKeepsTheRest) {
    const struct {
        const char* name;
        std::string text;
        std::size_t broken;  // the number of the one broken record
        const char* problem;
        std::size_t records;
    } cases[] = {
        {"length past the end", "<CALL:6>XX1ABC<EOR><CALL:6>XX2ABC<NOTES:99>short<EOR>", 2,
         "claims 99 bytes, but only 10 follow", 2},
        {"length beyond any number", "<CALL:6>XX1ABC<EOR><CALL:99999999999999999999999>XX2ABC<EOR>",
         2, "claims more bytes", 2},
        {"no EOR at the end", "<CALL:6>XX1ABC<EOR><CALL:6>XX2ABC\r\n", 2, "does not end with <EOR>",
         2},
        {"length not a number", "<CALL:6>XX1ABC<EOR><CALL:six>XX2ABC<EOR><CALL:6>XX3ABC<EOR>", 2,
         "malformed tag", 3},
        {"tag without length", "<CALL>XX1ABC<EOR><CALL:6>XX2ABC<EOR>", 1, "malformed tag", 2},
        {"'<' that opens no tag before EOR", "<CALL:6>XX1ABC<EOR><CALL:6>XX2ABC <3 <EOR>", 2,
         "a '<' that opens no tag", 2},
        {"tag never closed", "<CALL:6>XX1ABC<EOR><CALL:6", 2, "a '<' that opens no tag", 2},
        {"broken record without a field", "<CALL:6>XX1ABC<EOR><CALL:x>XX2ABC<EOR>", 2,
         "malformed tag", 2},
        {"second header", "<CALL:6>XX1ABC<EOR><EOH><CALL:6>XX2ABC<EOR>", 2,
         "an <EOH> after the header", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AdifFile file = parse_adif(c.text);
        ASSERT_EQ(file.records.size(), c.records);
        for (const AdifRecord& record : file.records) {
            EXPECT_EQ(record.number, &record - file.records.data() + 1u);
            if (record.number == c.broken)
                EXPECT_THAT(record.problem, HasSubstr(c.problem));
            else
                EXPECT_THAT(record.problem, IsEmpty()) << "record " << record.number;
        }
    }
}

TEST(ParseAdif, ReportsABrokenHeaderApartFromTheRecords) {
    const AdifFile file = parse_adif("<ADIF_VER:x>3<PROGRAMID:2>me<EOH><CALL:6>XX1ABC<EOR>");
    EXPECT_THAT(file.header_problem, HasSubstr("malformed tag"));
    EXPECT_THAT(file.header, ElementsAre(Field("programid", "me")));
    ASSERT_EQ(file.records.size(), 1u);
    EXPECT_THAT(file.records[0].problem, IsEmpty());
}

TEST(ParseAdif, SurvivesEveryCutOfAFile) {
    // Any prefix of a sound file is some text a crash or a lost transfer could leave.
    const std::string text =
        "h\r\n<EOH><CALL:6:S>XX1ABC<NOTES:5>a<b>c<EOR>\n<call:6>XX2ABC<COMMENT:0><eor>";
    for (std::size_t length = 0; length <= text.size(); ++length) {
        const AdifFile file = parse_adif(std::string_view(text).substr(0, length));
        for (const AdifRecord& record : file.records)
            EXPECT_TRUE(!record.fields.empty() || !record.problem.empty()) << length;
    }
}
