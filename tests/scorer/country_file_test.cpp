#include "tools/torv-score/country_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "tests/support/temp_folder.h"

namespace {

// A few entities in the country file's own layout, chosen so that each resolution rule decides
// at least one case: overlapping prefixes of different length (U, UA2, UA9), exact calls that
// a prefix or a portable form would put elsewhere, a continent override, other-list-only
// entities that share exact calls with their surrounding entity before and after it, and
// prefixes that are also operating suffixes (MM, AM).
constexpr const char* kFixture =
    "Vienna Intl Ctr:          15:  28:  EU:   48.20:   -16.30:    -1.0:  *4U1V:\n"
    "    =4U1A,=4U1VIC;\n"
    "Austria:                  15:  28:  EU:   47.33:   -13.33:    -1.0:  OE:\n"
    "    OE,=4U1A;\n"
    "Spain:                    14:  37:  EU:   40.37:     4.88:    -1.0:  EA:\n"
    "    AM,EA;\n"
    "France:                   14:  27:  EU:   46.00:    -2.00:    -1.0:  F:\n"
    "    F;\n"
    "Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n"
    "    DA,DB,DL;\n"
    "Scotland:                 14:  27:  EU:   56.82:     4.18:     0.0:  GM:\n"
    "    GM,MM,=GB2ELH;\n"
    "Shetland Islands:         14:  27:  EU:   60.50:     1.50:     0.0:  *GM/s:\n"
    "    =GB2ELH;\n"
    "Hawaii:                   31:  61:  OC:   21.12:   157.48:    10.0:  KH6:\n"
    "    KH6,KH7;\n"
    "United States of America: 05:  08:  NA:   37.60:    91.87:     5.0:  K:\n"
    "    K,N,W;\n"
    "European Russia:          16:  29:  EU:   53.65:   -41.37:    -4.0:  UA:\n"
    "    R,U;\n"
    "Kaliningrad:              15:  29:  EU:   54.72:   -20.52:    -3.0:  UA2:\n"
    "    UA2,\n"
    "    R2F,=RA/DL5WW,=UE08F;\n"
    "Asiatic Russia:           17:  30:  AS:   55.88:   -84.08:    -7.0:  UA9:\n"
    "    R9,UA0(19)[33],UA9,=UA9XX(16)[29]{EU},UA9F{EU};\n";

struct Case {
    const char* call;
    const char* prefix;  // empty: no country
    const char* continent;
};

void expect_cases(const CountryFile& file, std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        std::optional<CountryOfCall> country = file.resolve(c.call);
        if (std::string(c.prefix).empty()) {
            EXPECT_FALSE(country.has_value()) << country->prefix;
            continue;
        }
        ASSERT_TRUE(country.has_value());
        EXPECT_EQ(country->prefix, c.prefix);
        EXPECT_EQ(country->continent, c.continent);
    }
}

TEST(CountryFileTest, ReadsEveryEntityWithNameAndPrefix) {
    CountryFile file = CountryFile::parse(kFixture);
    EXPECT_EQ(file.entity_count(), 12u);
    std::optional<CountryOfCall> germany = file.resolve("DL1ABC");
    ASSERT_TRUE(germany.has_value());
    EXPECT_EQ(germany->name, "Fed. Rep. of Germany");
}

TEST(CountryFileTest, ResolvesPlainCallsByLongestPrefixAndExactEntries) {
    expect_cases(CountryFile::parse(kFixture),
                 {
                     {"DL1ABC", "DL", "EU"},
                     {"UA3ABC", "UA", "EU"},   // only U matches
                     {"UA2FAA", "UA2", "EU"},  // UA2 beats U
                     {"UA9AAA", "UA9", "AS"},  // UA9 beats U
                     {"UA0AAA", "UA9", "AS"},  // zone overrides leave the continent alone
                     {"R2FAA", "UA2", "EU"},   // R2F beats R
                     {"R3FAA", "UA", "EU"},
                     {"UE08F", "UA2", "EU"},     // exact entry beats the prefix U
                     {"UE08FA", "UA", "EU"},     // an exact entry is no prefix
                     {"UA9XX", "UA9", "EU"},     // continent override after zone overrides
                     {"UA9XXA", "UA9", "AS"},    // ... only on the exact call
                     {"UA9FAB", "UA9", "EU"},    // continent override on a prefix
                     {"RA/DL5WW", "UA2", "EU"},  // exact entry beats the portable form
                     {"4U1A", "4U1V", "EU"},     // '*' dropped; beats Austria's later entry
                     {"GB2ELH", "GM/s", "EU"},   // other-list entity after its surrounding one
                     {"OE1ABC", "OE", "EU"},
                     {"KH6ABC", "KH6", "OC"},
                     {"W1AW", "K", "NA"},
                 });
}

TEST(CountryFileTest, TakesCallsInAnyCaseAndWithBlanksAround) {
    expect_cases(CountryFile::parse(kFixture), {
                                                   {"dl1abc", "DL", "EU"},
                                                   {" Ue08f\t", "UA2", "EU"},
                                                   {"ra/dl5ww", "UA2", "EU"},
                                                   {"w1aw/kh6", "KH6", "OC"},
                                               });
}

TEST(CountryFileTest, ResolvesPortableForms) {
    expect_cases(CountryFile::parse(kFixture),
                 {
                     {"DL/W1AW", "DL", "EU"},
                     {"W1AW/DL", "DL", "EU"},
                     {"KH6/W1AW", "KH6", "OC"},
                     {"W1AW/KH6", "KH6", "OC"},
                     {"F/DL1ABC/P", "F", "EU"},
                     {"DL1ABC/P", "DL", "EU"},
                     {"DL1ABC/M", "DL", "EU"},
                     {"DL1ABC/MM", "DL", "EU"},  // maritime mobile, not
                                                 // Scotland's MM
                     {"DL1ABC/AM", "DL", "EU"},  // aeronautical mobile, not Spain's AM
                     {"DL1ABC/QRP", "DL", "EU"},
                     {"DL1ABC/A", "DL", "EU"},
                     {"DL1ABC/B", "DL", "EU"},
                     {"DL1ABC/LH", "DL", "EU"},
                     {"DL1ABC/F", "DL", "EU"},   // a trailing single letter is no
                                                 // country
                     {"DL1ABC/QQ", "DL", "EU"},  // an unknown part is passed over
                     {"UA9AAA/3", "UA", "EU"},   // call area 3 of Russia
                     {"UA3AAA/9", "UA9", "AS"},
                     {"UA9AAA/3/P", "UA", "EU"},
                     {"UA9AAA/P/3", "UA", "EU"},
                     {"W1AW/4", "K", "NA"},
                     {"UE08F/P", "UA2", "EU"},  // the home call's exact entry
                     {"DL1ABC//", "DL", "EU"},
                 });
}

TEST(CountryFileTest, GivesNothingWhenNoEntryMatches) {
    CountryFile file = CountryFile::parse(kFixture);
    for (const char* call : {"", " ", "/", "//P", "Q1ABC", "123", "DL1ABC\x01", "\xC4\xD6"}) {
        EXPECT_FALSE(file.resolve(call).has_value()) << call;
    }
    EXPECT_FALSE(file.resolve("DL" + std::string(100, 'A')).has_value());
    EXPECT_FALSE(CountryFile{}.resolve("DL1ABC").has_value());
    EXPECT_EQ(CountryFile{}.entity_count(), 0u);
}

TEST(CountryFileTest, SkipsWhatCannotBeReadAndKeepsTheRest) {
    CountryFile file = CountryFile::parse(
        "DL1ABC,stray aliases before any entity;\r\n"
        "Too Few Fields:  14:  28:  EU:   51.00:   -10.00:    -1.0:\r\n"
        "    QA;\r\n"
        "Unknown Continent: 14: 28: XX: 0: 0: 0: QB:\r\n"
        "    QB;\r\n"
        "No Prefix:       14:  28:  EU:   51.00:   -10.00:    -1.0:  *:\r\n"
        "    QC;\r\n"
        "France:          14:  27:  EU:   46.00:    -2.00:    -1.0:  F:\r\n"
        "    F,=F1BAD(14,=F2BAD{XX},=F3BAD<1/2,QD-1,=,(14),F4{EU}~1~<5/6>[27],\r\n"
        "    TM\r\n"  // the ';' is missing: the next header ends the list
        "Spain:           14:  37:  EU:   40.37:     4.88:    -1.0:  EA:  EA,EB;\r\n"
        "    QE;\r\n"  // after the ';': belongs to no entity
        "Malformed header: with a colon but nothing else\r\n"
        "    QF;\r\n");
    EXPECT_EQ(file.entity_count(), 2u);
    expect_cases(file, {
                           {"F5ABC", "F", "EU"},
                           {"TM5ABC", "F", "EU"},
                           {"F1BAD", "F", "EU"},  // its broken exact entry is left out
                           {"F2BAD", "F", "EU"},
                           {"F4ABC", "F", "EU"},  // ... its overrides read in any order
                           {"EA1ABC", "EA", "EU"},
                           {"EB1ABC", "EA", "EU"},
                           {"QA1ABC", "", ""},
                           {"QB1ABC", "", ""},
                           {"QC1ABC", "", ""},
                           {"QD1ABC", "", ""},
                           {"QE1ABC", "", ""},
                           {"QF1ABC", "", ""},
                       });
}

TEST(CountryFileTest, SurvivesBinaryAndHugeTexts) {
    std::mt19937 random(20240501);
    std::string noise(1 << 20, '\0');
    for (char& c : noise) {
        c = static_cast<char>(random() % 256);
    }
    // Garbage in front of a country file takes none of its entities away.
    CountryFile after_noise = CountryFile::parse(noise + "\n" + kFixture);
    EXPECT_GE(after_noise.entity_count(), 12u);
    expect_cases(after_noise, {{"DL1ABC", "DL", "EU"}, {"UA9XX", "UA9", "EU"}});

    std::string one_line_list = "Big: 1: 1: EU: 0: 0: 0: BG:";
    for (int i = 0; i < 200000; ++i) {
        one_line_list += "BG" + std::to_string(i) + ",";
    }
    one_line_list += std::string(1 << 20, ',') + ";";
    CountryFile big = CountryFile::parse(one_line_list);
    EXPECT_EQ(big.entity_count(), 1u);
    ASSERT_TRUE(big.resolve("BG199999ABC").has_value());

    EXPECT_EQ(CountryFile::parse(std::string(1 << 20, ':')).entity_count(), 0u);
    EXPECT_EQ(CountryFile::parse(std::string(1 << 20, '\n')).entity_count(), 0u);
    EXPECT_EQ(CountryFile::parse("").entity_count(), 0u);

    CountryFile file = CountryFile::parse(kFixture);
    EXPECT_FALSE(file.resolve(std::string(1 << 20, '/')).has_value());
    EXPECT_FALSE(file.resolve(noise).has_value());
}

TEST(CountryFileTest, LoadsAFileOrSaysWhyNot) {
    TempFolder folder;
    folder.write("cty.dat", kFixture);
    folder.write("empty.dat", "");
    std::string error;

    std::optional<CountryFile> file =
        CountryFile::load((folder.path() / "cty.dat").string(), error);
    ASSERT_TRUE(file.has_value()) << error;
    EXPECT_EQ(file->entity_count(), 12u);

    for (const char* name : {"missing.dat", "Plugins", "empty.dat"}) {
        std::string path = (folder.path() / name).string();
        error.clear();
        EXPECT_FALSE(CountryFile::load(path, error).has_value()) << name;
        EXPECT_NE(error.find(path), std::string::npos) << error;
    }
}

// The country file as Debian's hamradio-files package ships it.
class DebianCountryFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(kDefaultCountryFile)) {
            GTEST_SKIP() << kDefaultCountryFile << " is not installed";
        }
        std::string error;
        std::optional<CountryFile> loaded = CountryFile::load(kDefaultCountryFile, error);
        ASSERT_TRUE(loaded.has_value()) << error;
        file_ = std::move(*loaded);
    }
    CountryFile file_;
};

TEST_F(DebianCountryFileTest, ResolvesCallsOfEveryContinent) {
    EXPECT_GT(file_.entity_count(), 300u);
    expect_cases(
        file_, {
                   {"DL1ABC", "DL", "EU"},      {"UA9AAA", "UA9", "AS"},  {"UA2FAA", "UA2", "EU"},
                   {"UA3AAA", "UA", "EU"},      {"R9ABC", "UA9", "AS"},   {"JA1ABC", "JA", "AS"},
                   {"VK2ABC", "VK", "OC"},      {"W1AW", "K", "NA"},      {"VE3ABC", "VE", "NA"},
                   {"KL7ABC", "KL", "NA"},      {"KH6ABC", "KH6", "OC"},  {"G3ABC", "G", "EU"},
                   {"F5ABC", "F", "EU"},        {"PY2ABC", "PY", "SA"},   {"LU1ABC", "LU", "SA"},
                   {"ZS6ABC", "ZS", "AF"},      {"5Z4ABC", "5Z", "AF"},   {"EA8ABC", "EA8", "AF"},
                   {"ZL1ABC", "ZL", "OC"},      {"TA2ABC", "TA", "AS"},   {"TA1ABC", "TA1", "EU"},
                   {"IT9ABC", "IT9", "EU"},     {"4U1A", "4U1V", "EU"},   {"RA/DL5WW", "UA2", "EU"},
                   {"dl1abc/p", "DL", "EU"},    {"DL/W1AW", "DL", "EU"},  {"W1AW/KH6", "KH6", "OC"},
                   {"EA8/DL1ABC", "EA8", "AF"}, {"UA9AAA/3", "UA", "EU"}, {"UA3AAA/9", "UA9", "AS"},
               });
}

}  // namespace
