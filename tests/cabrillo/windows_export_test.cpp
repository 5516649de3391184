// The export record with every Windows service: the header dialog, the profile settings file
// and the Windows file writer, in a temporary folder under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "cabrillo/cabrillo_export.h"
#include "platform/win32/profile_settings_store.h"
#include "platform/win32/win32_text_files.h"
#include "platform/win32/win32_user_interface.h"
#include "resources/resource_ids.h"
#include "tests/cabrillo/contest_times.h"
#include "tests/cabrillo/dialog_driver.h"
#include "tests/support/temp_folder.h"

namespace {

class WindowsExportTest : public ::testing::Test {
  protected:
    bool set_up_header(const std::string& own_call,
                       const std::function<void(DialogDriver&)>& operate) {
        return with_header_dialog(
            [&] { return cabrillo.SetUpHeader(own_call, kContestStart, kContestEnd); }, operate);
    }

    TempFolder folder;
    ProfileSettingsStore settings{kSettingsFile, kSettingsSection};
    Win32TextFiles files;
    Win32UserInterface ui;
    CabrilloExport cabrillo{settings, ui, files};
};

// Fills the dialog as an operator of a multi-op station would.
void fill_multi_op(DialogDriver& d) {
    d.type(IDC_CABRILLO_NAME, "Mario Rossi");
    d.type(IDC_CABRILLO_ADDRESS, "Via Roma 1");
    d.type(IDC_CABRILLO_ADDRESS_CITY, "Milano");
    d.type(IDC_CABRILLO_ADDRESS_POSTALCODE, "20100");
    d.type(IDC_CABRILLO_ADDRESS_COUNTRY, "Italy");
    d.type(IDC_CABRILLO_OPERATORS, "I2XYZ I2ABC");
    d.type(IDC_CABRILLO_CLUB, "ARI Milano");
    d.type(IDC_CABRILLO_EMAIL, "i2xyz@example.org");
    d.type(IDC_CABRILLO_SOAPBOX, "Nice contest\r\n73 to all");
    d.pick(IDC_CABRILLO_CATEGORY_OPERATOR, "MULTI-OP");
    d.pick(IDC_CABRILLO_CATEGORY_TRANSMITTER, "ONE");
    d.pick(IDC_CABRILLO_CATEGORY_OVERLAY, "MEMBER");
    d.pick(IDC_CABRILLO_CATEGORY_STATION, "PORTABLE");
    d.pick(IDC_CABRILLO_CATEGORY_MODE, "CW");
}

const char kStoredSettings[] =
    "[Settings]\r\n"
    "Operators=I2XYZ I2ABC\r\n"
    "Name=Mario Rossi\r\n"
    "Address=Via Roma 1\r\n"
    "Address_City=Milano\r\n"
    "Address_PostalCode=20100\r\n"
    "Address_Country=Italy\r\n"
    "Category=MULTI-OP\r\n"
    "Power=\r\n"
    "Contest=TORV\r\n"
    "Email=i2xyz@example.org\r\n"
    "Club=ARI Milano\r\n"
    "SoapBox=Nice contest<CR><LF>73 to all\r\n"
    "Offtime=\r\n";

const char kMultiOpFile[] =
    "START-OF-LOG: 3.0\r\n"
    "CONTEST: TORV\r\n"
    "CALLSIGN: I2XYZ\r\n"
    "CATEGORY-OPERATOR: MULTI-OP\r\n"
    "CATEGORY-MODE: CW\r\n"
    "CATEGORY-OVERLAY: MEMBER\r\n"
    "CATEGORY-TRANSMITTER: ONE\r\n"
    "CATEGORY-STATION: PORTABLE\r\n"
    "OPERATORS: I2XYZ I2ABC\r\n"
    "NAME: Mario Rossi\r\n"
    "CREATED-BY: Norl 2.20\r\n"
    "ADDRESS: Via Roma 1\r\n"
    "ADDRESS-CITY: Milano\r\n"
    "ADDRESS-POSTALCODE: 20100\r\n"
    "ADDRESS-COUNTRY: Italy\r\n"
    "EMAIL: i2xyz@example.org\r\n"
    "SOAPBOX: Nice contest\r\n"
    "SOAPBOX: 73 to all\r\n"
    "QSO:  7025 CW 2018-03-10 1205 I2XYZ         599 001    XX1ABC        599 017\r\n"
    "QSO: 14025 CW 2018-03-10 1310 I2XYZ         599 002    XX2ABCDEFGHIJK 599 LIRF\r\n"
    "END-OF-LOG:\r\n";

}  // namespace

TEST_F(WindowsExportTest, OkStoresTheHeaderAndTheFileIsWrittenByteForByte) {
    ASSERT_TRUE(set_up_header("I2XYZ", [](DialogDriver& d) {
        EXPECT_EQ(d.text(IDC_CABRILLO_OPERATORS), "I2XYZ");
        fill_multi_op(d);
        d.press(IDOK);
    }));
    EXPECT_EQ(folder.read("Plugins/TORV.ini"), kStoredSettings);

    cabrillo.AddQsoLine("XX1ABC", 7025, "CW", at(12, 5), "599", "001", "599", "017");
    cabrillo.AddQsoLine("XX2ABCDEFGHIJK", 14025, "CW", at(13, 10), "599", "002", "599", "LIRF");
    EXPECT_EQ(cabrillo.WriteCabrilloFile("2.20"), "File produced: I2XYZ.cbr");
    EXPECT_EQ(folder.read("I2XYZ.cbr"), kMultiOpFile);
    EXPECT_FALSE(folder.exists("I2XYZ.cbr.tmp"));

    // The next export run opens with what was stored, and the fixed texts again.
    ASSERT_TRUE(set_up_header("I2XYZ", [](DialogDriver& d) {
        EXPECT_EQ(d.text(IDC_CABRILLO_OPERATORS), "I2XYZ I2ABC");
        EXPECT_EQ(d.text(IDC_CABRILLO_SOAPBOX), "Nice contest\r\n73 to all");
        EXPECT_EQ(d.selection(IDC_CABRILLO_CATEGORY_OPERATOR), "SINGLE-OP");
        EXPECT_EQ(d.selection(IDC_CABRILLO_CATEGORY_MODE), "MIXED");
        EXPECT_EQ(d.text(IDC_CABRILLO_CATEGORY_TRANSMITTER), "");
        d.press(IDOK);
    }));
    EXPECT_EQ(cabrillo.WriteCabrilloFile("2.20"), "File produced: I2XYZ.cbr");
    std::string second = folder.read("I2XYZ.cbr");
    EXPECT_EQ(second.find("QSO:"), std::string::npos) << second;
    EXPECT_NE(second.find("CATEGORY-OPERATOR: SINGLE-OP\r\nCATEGORY-MODE: MIXED\r\nOPERATORS: "),
              std::string::npos)
        << second;
}

TEST_F(WindowsExportTest, CancelKeepsTheSettingsFileByteForByte) {
    folder.write("Plugins/TORV.ini", "[Settings]\r\nName=Mario\r\nSoapBox=a<CR><LF>b\r\n");
    EXPECT_FALSE(set_up_header("I2XYZ", [](DialogDriver& d) {
        EXPECT_EQ(d.text(IDC_CABRILLO_NAME), "Mario");
        EXPECT_EQ(d.text(IDC_CABRILLO_SOAPBOX), "a\r\nb");
        fill_multi_op(d);
        d.press(IDCANCEL);
    }));
    EXPECT_EQ(folder.read("Plugins/TORV.ini"),
              "[Settings]\r\nName=Mario\r\nSoapBox=a<CR><LF>b\r\n");
}

TEST_F(WindowsExportTest, FailedWriteIsReportedAndLeavesNoFileBehind) {
    ASSERT_TRUE(set_up_header("DL/K1ABC/P", [](DialogDriver& d) { d.press(IDOK); }));
    cabrillo.AddQsoLine("XX1ABC", 7025, "CW", at(12, 5), "599", "001", "599", "017");
    std::filesystem::create_directory(folder.path() / "DL_K1ABC_P.cbr");
    std::string told = cabrillo.WriteCabrilloFile("2.20");
    EXPECT_EQ(told.rfind("File not written: DL_K1ABC_P.cbr (", 0), 0u) << told;
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "DL_K1ABC_P.cbr"));
    EXPECT_FALSE(folder.exists("DL_K1ABC_P.cbr.tmp"));
}

// Leaves a picture of the filled dialog for a person to look at. The wrapper script that runs
// this test takes it from the display while the dialog waits: the test writes a marker file
// when the dialog is filled and waits for the script's answer file.
TEST_F(WindowsExportTest, FilledDialogScreenshot) {
    const char* build = std::getenv("STATS_BUILD_DIR");
    if (!std::getenv("STATS_SCREENSHOT") || !build)
        GTEST_SKIP() << "run by cabrillo_dialog_screenshot";
    std::string folder_name = std::string("Z:") + build;
    for (char& c : folder_name)
        if (c == '/')
            c = '\\';
    const std::string marker = folder_name + "\\cabrillo_dialog.filled";
    const std::string answer = folder_name + "\\cabrillo_dialog.taken";
    folder.write("Plugins/TORV.ini",
                 "[Settings]\r\nClaimed=1234\r\nOfftime=2018-03-10 1300 2018-03-10 1400\r\n");
    ASSERT_TRUE(set_up_header("I2XYZ", [&](DialogDriver& d) {
        fill_multi_op(d);
        SetForegroundWindow(d.window());
        std::ofstream(marker) << "filled\n";
        for (int i = 0; i < 300 && GetFileAttributesA(answer.c_str()) == INVALID_FILE_ATTRIBUTES;
             ++i)
            Sleep(100);
        EXPECT_NE(GetFileAttributesA(answer.c_str()), INVALID_FILE_ATTRIBUTES)
            << "no screenshot taken";
        d.press(IDOK);
    }));
}
