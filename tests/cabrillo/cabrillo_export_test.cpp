// The export record with the native settings file and files in a temporary folder. The native
// build has no dialog, so the operator is played by a scripted interface.
#include "cabrillo/cabrillo_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/posix/ini_settings_store.h"
#include "platform/posix/posix_text_files.h"
#include "tests/cabrillo/contest_times.h"
#include "tests/support/temp_folder.h"

namespace {

// Records what the dialog was given and answers as the script says.
class ScriptedOperator : public UserInterface {
  public:
    void message_box(std::string_view, std::optional<std::string_view>, MessageIcon) override {}
    bool edit_cabrillo_header(CabrilloDialogFields& fields) override {
        ++opened;
        shown = fields;
        if (edit)
            edit(fields);
        return confirm;
    }
    std::function<void(CabrilloDialogFields&)> edit;
    bool confirm = true;
    int opened = 0;
    CabrilloDialogFields shown;
};

class CabrilloExportTest : public ::testing::Test {
  protected:
    std::string setting(const char* key) {
        return IniSettingsStore(kSettingsFile, kSettingsSection).read(key, "<missing>");
    }

    TempFolder folder;
    IniSettingsStore settings{kSettingsFile, kSettingsSection};
    PosixTextFiles files;
    ScriptedOperator op;
    CabrilloExport cabrillo{settings, op, files};
};

const std::string kHeaderStart =
    "START-OF-LOG: 3.0\r\n"
    "CONTEST: TORV\r\n";

}  // namespace

TEST_F(CabrilloExportTest, DialogOpensWithTheStoredHeaderDecodedAndWholeValues) {
    const std::string long_address(60, 'A');
    settings.write("Name", "Mario Rossi");
    settings.write("Address", long_address);
    settings.write("Address_City", "Milano");
    settings.write("Address_PostalCode", "20100");
    settings.write("Address_Country", "Italy");
    settings.write("Claimed", "1234");
    settings.write("Email", "i2xyz@example.org");
    settings.write("Club", "ARI");
    settings.write("SoapBox", "First<CR><LF>Second");
    settings.write("Offtime", "a<CR><LF>b");
    settings.write("Category", "MULTI-OP");  // written, never read back
    settings.write("Contest", "OTHER");

    ASSERT_TRUE(cabrillo.SetUpHeader("I2XYZ", kContestStart, kContestEnd));
    const CabrilloDialogFields& f = op.shown;
    EXPECT_EQ(op.opened, 1);
    EXPECT_EQ(f.own_call, "I2XYZ");
    EXPECT_EQ(f.operators, "I2XYZ");  // missing key reads as the own call
    EXPECT_EQ(f.name, "Mario Rossi");
    EXPECT_EQ(f.address, long_address);  // longer than 49, kept whole
    EXPECT_EQ(f.address_city, "Milano");
    EXPECT_EQ(f.address_postal_code, "20100");
    EXPECT_EQ(f.address_country, "Italy");
    EXPECT_EQ(f.claimed_score, "1234");
    EXPECT_EQ(f.email, "i2xyz@example.org");
    EXPECT_EQ(f.club, "ARI");
    EXPECT_EQ(f.soapbox, "First\r\nSecond");
    EXPECT_EQ(f.offtime, "a\r\nb");
    EXPECT_EQ(f.contest, "TORV");
    EXPECT_EQ(f.category_operator, "SINGLE-OP");
    EXPECT_EQ(f.category_mode, "MIXED");
    EXPECT_EQ(f.category_band, "ALL");
    EXPECT_EQ(f.category_power, "");
    EXPECT_EQ(f.category_time, "");
    EXPECT_EQ(f.category_transmitter, "");
    EXPECT_EQ(f.category_overlay, "");
    EXPECT_EQ(f.category_station, "");
}

TEST_F(CabrilloExportTest, OkStoresTheEditedHeaderAndTheNextStartKeepsOnlyWhatIsKept) {
    const std::string long_soapbox =
        "A soapbox line that is clearly longer than forty-nine characters";
    op.edit = [&](CabrilloDialogFields& f) {
        f.operators = "I2XYZ I2ABC";
        f.name = "Mario";
        f.address = "Via Roma 1";
        f.address_city = "Milano";
        f.address_postal_code = "20100";
        f.address_country = "Italy";
        f.email = "m@example.org";
        f.club = "ARI";
        f.soapbox = long_soapbox + "\r\nSecond";
        f.offtime = "x\r\ny";
        f.category_operator = "MULTI-OP";
        f.category_power = "LOW";
        f.category_time = "24-HOURS";
        f.category_transmitter = "TWO";
        f.category_overlay = "MEMBER";
        f.category_station = "PORTABLE";
        f.contest = "TORV";
        f.claimed_score = "999";  // shown only
    };
    ASSERT_TRUE(cabrillo.SetUpHeader("I2XYZ", kContestStart, kContestEnd));

    const struct {
        const char* key;
        std::string value;
    } stored[] = {
        {"Operators", "I2XYZ I2ABC"},
        {"Name", "Mario"},
        {"Address", "Via Roma 1"},
        {"Address_City", "Milano"},
        {"Address_PostalCode", "20100"},
        {"Address_Country", "Italy"},
        {"Category", "MULTI-OP"},
        {"Power", "LOW"},
        {"Contest", "TORV"},
        {"Email", "m@example.org"},
        {"Club", "ARI"},
        {"SoapBox", long_soapbox + "<CR><LF>Second"},
        {"Offtime", "x<CR><LF>y"},
        {"Claimed", "<missing>"},
    };
    for (const auto& s : stored) {
        SCOPED_TRACE(s.key);
        EXPECT_EQ(setting(s.key), s.value);
    }

    // The next session start begins again with the fixed texts; power, time, transmitter,
    // overlay and station are kept in the record, but only power and time are shown.
    op.edit = nullptr;
    ASSERT_TRUE(cabrillo.SetUpHeader("I2XYZ", kContestStart, kContestEnd));
    EXPECT_EQ(op.shown.contest, "TORV");
    EXPECT_EQ(op.shown.category_operator, "SINGLE-OP");
    EXPECT_EQ(op.shown.category_power, "LOW");
    EXPECT_EQ(op.shown.category_time, "24-HOURS");
    EXPECT_EQ(op.shown.category_transmitter, "");
    EXPECT_EQ(op.shown.operators, "I2XYZ I2ABC");
    EXPECT_EQ(op.shown.soapbox, long_soapbox + "\r\nSecond");
    EXPECT_EQ(setting("Power"), "LOW");
}

TEST_F(CabrilloExportTest, CancelLeavesTheSettingsFileUntouched) {
    settings.write("Name", "Mario");
    settings.write("SoapBox", "a<CR><LF>b");
    const std::string before = folder.read("Plugins/TORV.ini");
    op.confirm = false;
    op.edit = [](CabrilloDialogFields& f) {
        f.name = "Changed";
        f.category_power = "QRP";
    };
    EXPECT_FALSE(cabrillo.SetUpHeader("I2XYZ", kContestStart, kContestEnd));
    EXPECT_EQ(folder.read("Plugins/TORV.ini"), before);
    EXPECT_EQ(cabrillo.header().name, "Mario");
    EXPECT_EQ(cabrillo.header().category_power, "");
}

TEST_F(CabrilloExportTest, EmptyLogGivesHeaderAndEndOnly) {
    ASSERT_TRUE(cabrillo.SetUpHeader("DL/K1ABC/P", kContestStart, kContestEnd));
    EXPECT_EQ(cabrillo.WriteCabrilloFile("2.20"), "File produced: DL_K1ABC_P.cbr");
    EXPECT_EQ(folder.read("DL_K1ABC_P.cbr"), kHeaderStart +
                                                 "CALLSIGN: DL/K1ABC/P\r\n"
                                                 "CATEGORY-OPERATOR: SINGLE-OP\r\n"
                                                 "CATEGORY-MODE: MIXED\r\n"
                                                 "OPERATORS: DL/K1ABC/P\r\n"
                                                 "NAME: \r\n"
                                                 "CREATED-BY: Norl 2.20\r\n"
                                                 "ADDRESS: \r\n"
                                                 "ADDRESS-CITY: \r\n"
                                                 "ADDRESS-POSTALCODE: \r\n"
                                                 "ADDRESS-COUNTRY: \r\n"
                                                 "EMAIL: \r\n"
                                                 "SOAPBOX: \r\n"
                                                 "END-OF-LOG:\r\n");
    EXPECT_FALSE(folder.exists("DL_K1ABC_P.cbr.tmp"));
}

TEST_F(CabrilloExportTest, MixedLogIsWrittenByteForByteWithTheEditedCall) {
    op.edit = [](CabrilloDialogFields& f) {
        f.own_call = "I2XYZ/P";  // used in the file, not in its name
        f.category_operator = "MULTI-OP";
        f.category_transmitter = "UNLIMITED";
        f.category_station = "MOBILE";
        f.category_overlay = "ACTIVATOR";
        f.soapbox = "Nice contest\r\n73";
        f.offtime = "2018-03-10 1300 2018-03-10 1400";
    };
    ASSERT_TRUE(cabrillo.SetUpHeader("I2XYZ", kContestStart, kContestEnd));
    cabrillo.AddQsoLine("XX1ABC", 7025, "CW", at(12, 5), "599", "001", "599", "001");
    cabrillo.AddQsoLine("XX1ABC", 7025, "CW", at(12, 6), "599", "002", "599", "002");  // dupe
    cabrillo.AddQsoLine("XX2ABCDEFGHIJK", 14200, "PH", at(13, 0), "59", "003", "59", "LIRF");
    cabrillo.AddQsoLine("XX3A", 21080, "RY", at(13, 10), "599", "004", "599", "012");
    cabrillo.AddQsoLine("XX4B", 28120, "PM", at(13, 20), "599", "005", "599", "LIML");
    cabrillo.AddQsoLine("XX5C", 3700, "??", at(13, 30), "59", "006", "59", "003");
    EXPECT_EQ(cabrillo.WriteCabrilloFile("2.19"), "File produced: I2XYZ.cbr");
    EXPECT_EQ(
        folder.read("I2XYZ.cbr"),
        kHeaderStart +
            "CALLSIGN: I2XYZ/P\r\n"
            "CATEGORY-OPERATOR: MULTI-OP\r\n"
            "CATEGORY-MODE: MIXED\r\n"
            "CATEGORY-OVERLAY: ACTIVATOR\r\n"
            "CATEGORY-TRANSMITTER: UNLIMITED\r\n"
            "CATEGORY-STATION: MOBILE\r\n"
            "OPERATORS: I2XYZ\r\n"
            "NAME: \r\n"
            "CREATED-BY: Norl 2.19\r\n"
            "ADDRESS: \r\n"
            "ADDRESS-CITY: \r\n"
            "ADDRESS-POSTALCODE: \r\n"
            "ADDRESS-COUNTRY: \r\n"
            "EMAIL: \r\n"
            "SOAPBOX: Nice contest\r\n"
            "SOAPBOX: 73\r\n"
            "OFFTIME: 2018-03-10 1300 2018-03-10 1400\r\n"
            "QSO:  7025 CW 2018-03-10 1205 I2XYZ/P       599 001    XX1ABC        599 001\r\n"
            "QSO:  7025 CW 2018-03-10 1206 I2XYZ/P       599 002    XX1ABC        599 002\r\n"
            "QSO: 14200 PH 2018-03-10 1300 I2XYZ/P       59  003    XX2ABCDEFGHIJK 59  LIRF\r\n"
            "QSO: 21080 RY 2018-03-10 1310 I2XYZ/P       599 004    XX3A          599 012\r\n"
            "QSO: 28120 PM 2018-03-10 1320 I2XYZ/P       599 005    XX4B          599 LIML\r\n"
            "QSO:  3700 ?? 2018-03-10 1330 I2XYZ/P       59  006    XX5C          59  003\r\n"
            "END-OF-LOG:\r\n");
}

TEST_F(CabrilloExportTest, TwoExportsInOneSessionEachHoldOnlyTheirOwnLines) {
    ASSERT_TRUE(cabrillo.SetUpHeader("I2XYZ", kContestStart, kContestEnd));
    cabrillo.AddQsoLine("XX1ABC", 14025, "CW", at(12, 5), "599", "001", "599", "001");
    EXPECT_EQ(cabrillo.WriteCabrilloFile("2.20"), "File produced: I2XYZ.cbr");
    std::string first = folder.read("I2XYZ.cbr");
    cabrillo.AddQsoLine("XX1ABC", 14025, "CW", at(12, 5), "599", "001", "599", "001");
    cabrillo.AddQsoLine("XX2DEF", 14030, "CW", at(12, 9), "599", "002", "599", "001");
    EXPECT_EQ(cabrillo.WriteCabrilloFile("2.20"), "File produced: I2XYZ.cbr");
    std::string second = folder.read("I2XYZ.cbr");
    auto count = [](const std::string& text) {
        std::size_t n = 0;
        for (std::size_t at = text.find("QSO: "); at != std::string::npos;
             at = text.find("QSO: ", at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count(first), 1u);
    EXPECT_EQ(count(second), 2u);
}

TEST_F(CabrilloExportTest, FailedWriteIsReportedAndLeavesNoPartialFile) {
    ASSERT_TRUE(cabrillo.SetUpHeader("I2XYZ", kContestStart, kContestEnd));
    cabrillo.AddQsoLine("XX1ABC", 14025, "CW", at(12, 5), "599", "001", "599", "001");
    // A folder in the place of the file: the finished text cannot be put there.
    std::filesystem::create_directory(folder.path() / "I2XYZ.cbr");
    std::string told = cabrillo.WriteCabrilloFile("2.20");
    EXPECT_EQ(told.rfind("File not written: I2XYZ.cbr (", 0), 0u) << told;
    EXPECT_GT(told.size(), std::string("File not written: I2XYZ.cbr ()").size()) << told;
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "I2XYZ.cbr"));
    EXPECT_FALSE(folder.exists("I2XYZ.cbr.tmp"));

    // The lines went with the failed file; the next export holds only new ones.
    std::filesystem::remove(folder.path() / "I2XYZ.cbr");
    EXPECT_EQ(cabrillo.WriteCabrilloFile("2.20"), "File produced: I2XYZ.cbr");
    EXPECT_EQ(folder.read("I2XYZ.cbr").find("QSO: "), std::string::npos);
}
