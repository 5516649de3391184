// The export table of the real Stats.dll and the small exports, through LoadLibrary.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <thread>

#include "tests/support/plugin_host.h"
#include "tests/support/window_search.h"

namespace {

struct ExportName {
    int ordinal;
    const char* name;
    const char* plain;  // the plain name bound to the same body
};

const ExportName kExports[] = {
    {1, "?AddData0@@YAHPBD0PAVCOleDateTime@ATL@@111II000000000000000HHHNN00000@Z", "AddData0"},
    {2, "?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z", "CheckCall0"},
    {3, "?GetNumberOfSets@@YAHXZ", "GetNumberOfSets"},
    {4, "?GetResult0@@YAPBDPAH@Z", "GetResult0"},
    {5, "?GetSetName@@YAPBDH@Z", "GetSetName"},
    {6, "?RemoveData0@@YAHPBD0PAVCOleDateTime@ATL@@111II000000000000000HHHNN00000@Z",
     "RemoveData0"},
    {7, "?ResetStats0@@YAHPBDH0PAVCOleDateTime@ATL@@10000000000HHHNN000@Z", "ResetStats0"},
    {8, "?SetupSet0@@YAXXZ", "SetupSet0"},
    {9, "?StatsGetExchgCount0@@YAHPBD00@Z", "GetNumberOfSets"},
    {10, "?StatsIsValidExchg0@@YAHPBD000HHH@Z", "IsValidExchg0"},
    {11, "?setVersion@@YAKPBD@Z", "setVersion"},
    {12, "AddData0", "AddData0"},
    {13, "CheckCall0", "CheckCall0"},
    {14, "GetExchgCount0", "GetNumberOfSets"},
    {15, "GetNumberOfSets", "GetNumberOfSets"},
    {16, "GetResult0", "GetResult0"},
    {17, "GetSetName", "GetSetName"},
    {18, "IsValidExchg0", "IsValidExchg0"},
    {19, "RemoveData0", "RemoveData0"},
    {20, "ResetStats0", "ResetStats0"},
    {21, "SetupSet0", "SetupSet0"},
    {22, "setVersion", "setVersion"},
};

// Names and ordinals as the loaded module's export directory lists them.
std::map<std::string, int> export_directory(HMODULE module, std::string& module_name) {
    auto base = reinterpret_cast<const BYTE*>(module);
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const auto& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    auto dir = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
    module_name = reinterpret_cast<const char*>(base + dir->Name);
    auto names = reinterpret_cast<const DWORD*>(base + dir->AddressOfNames);
    auto ordinals = reinterpret_cast<const WORD*>(base + dir->AddressOfNameOrdinals);
    std::map<std::string, int> result;
    for (DWORD i = 0; i < dir->NumberOfNames; ++i)
        result[reinterpret_cast<const char*>(base + names[i])] =
            static_cast<int>(ordinals[i] + dir->Base);
    return result;
}

}  // namespace

TEST(ExportFrame, DirectoryListsExactlyTheTwentyTwoNamesWithTheirOrdinals) {
    PluginHost host;
    std::string module_name;
    auto listed = export_directory(host.module(), module_name);
    EXPECT_EQ(module_name, "Stats.dll");
    std::map<std::string, int> expected;
    for (const auto& e : kExports)
        expected[e.name] = e.ordinal;
    EXPECT_EQ(listed, expected);
}

TEST(ExportFrame, BothNamesOfEveryFunctionReachOneBody) {
    PluginHost host;
    for (const auto& e : kExports) {
        SCOPED_TRACE(e.name);
        FARPROC by_name = host.proc(e.name);
        EXPECT_EQ(by_name, host.proc(e.plain));
        EXPECT_EQ(by_name, GetProcAddress(host.module(), MAKEINTRESOURCEA(e.ordinal)));
    }
}

TEST(ExportFrame, SmallExportsAnswerAsTheHostExpects) {
    PluginHost host;
    EXPECT_EQ(host.function<int()>("GetNumberOfSets")(), 1);
    using ExchgCount = int(const char*, const char*, const char*);
    EXPECT_EQ(host.function<ExchgCount>("GetExchgCount0")("a", nullptr, "c"), 1);
    EXPECT_EQ(
        host.function<ExchgCount>("?StatsGetExchgCount0@@YAHPBD00@Z")(nullptr, nullptr, nullptr),
        1);
    auto set_name = host.function<const char*(int)>("GetSetName");
    ASSERT_NE(set_name(1), nullptr);
    EXPECT_STREQ(set_name(1), "");
    ASSERT_NE(set_name(-1), nullptr);
    EXPECT_STREQ(set_name(-1), "");
    EXPECT_STREQ(set_name(0), "TORV");
    EXPECT_EQ(host.function<unsigned long(const char*)>("setVersion")(nullptr), 0ul);
}

TEST(ExportFrame, NullPointersFromTheHostAreEmptyTextsAndNullDates) {
    PluginHost host;
    auto reset = host.function<decltype(ResetStats0)>("ResetStats0");
    EXPECT_EQ(reset(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0,
                    nullptr, nullptr, nullptr),
              1);
    auto add = host.function<decltype(AddData0)>("AddData0");
    EXPECT_EQ(add(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr,
                  nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                  nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr,
                  nullptr, nullptr),
              0);
    auto check = host.function<decltype(CheckCall0)>("CheckCall0");
    check(nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
          nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr, nullptr, nullptr,
          nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(host.is_valid_exchange(nullptr), 0);
    auto result = host.function<decltype(GetResult0)>("GetResult0");
    EXPECT_NE(result(nullptr), nullptr);
}

TEST(ExportFrame, SetupShowsItsMessageBoxWithoutOwnerOrCaption) {
    PluginHost host;
    auto setup = host.function<void()>("SetupSet0");
    std::thread shown([setup] { setup(); });
    HWND box = wait_for_window("#32770");
    ASSERT_NE(box, nullptr);
    char text[128] = {}, caption[128] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    GetWindowTextA(box, caption, sizeof caption);
    EXPECT_STREQ(text, "No additional setup for this plugin");
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    shown.join();
    SUCCEED() << "caption: " << caption;
}
