// One table of reads and writes on "Plugins\TORV.ini", run against the Windows profile
// functions (under Wine) and against the native INI store: both must give the same values and
// leave the same bytes in the file.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "plugin/settings_store.h"
#include "tests/support/temp_folder.h"

namespace settings_cases {

// A read (with its default, expecting a value) or a write of one key of section "Settings".
struct Step {
    enum class Kind { read, write };
    Kind kind;
    std::string key;
    std::string text;  // the default of a read, the value of a write
    std::string expected = {};
};

inline Step read(std::string key, std::string default_value, std::string expected) {
    return {Step::Kind::read, std::move(key), std::move(default_value), std::move(expected)};
}
inline Step write(std::string key, std::string value) {
    return {Step::Kind::write, std::move(key), std::move(value)};
}

struct Case {
    std::string name;
    std::optional<std::string> before;  // the file's bytes, or no file
    std::vector<Step> steps;
    std::optional<std::string> after;  // the file's bytes at the end, or no file
    bool without_folder = false;       // the folder "Plugins" does not exist
};

inline const std::string kFile = "Plugins/TORV.ini";

// "key1=v1\r\n...keyN=vN\r\n", the lines of many keys.
inline std::string numbered_lines(int count, const std::string& line_end) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "Key" + std::to_string(i) + "=Value " + std::to_string(i) + line_end;
    return text;
}

inline std::vector<Step> numbered_writes(int count) {
    std::vector<Step> steps;
    for (int i = 1; i <= count; ++i)
        steps.push_back(write("Key" + std::to_string(i), "Value " + std::to_string(i)));
    for (int i = count; i >= 1; --i)
        steps.push_back(read("Key" + std::to_string(i), "", "Value " + std::to_string(i)));
    return steps;
}

// A value longer than any read buffer, made of every printable character but the blank.
inline std::string long_value(std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i)
        text += static_cast<char>('!' + i % 94);
    return text;
}

// Values whose lengths lie around the buffer sizes a profile read might use.
inline Case values_around_buffer_sizes() {
    Case c{"ValuesAroundBufferSizes", std::nullopt, {}, "[Settings]\r\n"};
    for (std::size_t length : {49u, 50u, 99u, 100u, 254u, 255u, 256u, 257u, 511u, 512u, 4000u}) {
        std::string key = "Len" + std::to_string(length);
        c.steps.push_back(write(key, long_value(length)));
        *c.after += key + "=" + long_value(length) + "\r\n";
    }
    for (std::size_t length : {49u, 50u, 99u, 100u, 254u, 255u, 256u, 257u, 511u, 512u, 4000u})
        c.steps.push_back(read("Len" + std::to_string(length), "", long_value(length)));
    return c;
}

inline std::vector<Case> cases() {
    const std::string big = long_value(4000);
    const std::string huge = long_value(70000);
    return {
        {"MissingFileReadsTheDefault",
         std::nullopt,
         {read("Start", "", ""), read("Operators", "XX9OWN", "XX9OWN")},
         std::nullopt},
        {"MissingFileIsCreatedByAWrite",
         std::nullopt,
         {write("Start", "1"), write("Mode", "CW"), read("Start", "", "1"), read("Mode", "", "CW")},
         "[Settings]\r\nStart=1\r\nMode=CW\r\n"},
        {"MissingFolderWritesNothing",
         std::nullopt,
         {write("Start", "1"), read("Start", "", "")},
         std::nullopt,
         true},
        {"EmptyFile",
         "",
         {read("Start", "", ""), write("Start", "0")},
         "[Settings]\r\nStart=0\r\n"},
        {"OnlyBlankLines", "\r\n\r\n", {write("Start", "1")}, "[Settings]\r\nStart=1\r\n"},
        {"MissingKeyReadsTheDefaultAndLeavesTheFile",
         "[Settings]\r\nStart=1\r\n",
         {read("Mode", "", ""), read("Operators", "XX9OWN", "XX9OWN"), read("Star", "", ""),
          read("Start1", "", "")},
         "[Settings]\r\nStart=1\r\n"},
        {"OverwriteKeepsThePlace",
         "[Settings]\r\nStart=1\r\nMode=CW\r\nDXCC=0\r\n",
         {write("Mode", "SSB"), read("Mode", "", "SSB")},
         "[Settings]\r\nStart=1\r\nMode=SSB\r\nDXCC=0\r\n"},
        {"SameValueLeavesTheFileAsItWas",
         "[Settings]\nStart=1\n",
         {write("Start", "1"), read("Start", "", "1")},
         "[Settings]\nStart=1\n"},
        {"SameValueInAnotherLetterCaseIsWritten",
         "[Settings]\nMode=cw\n",
         {write("Mode", "CW"), read("Mode", "", "CW")},
         "[Settings]\r\nMode=CW\r\n"},
        {"KeyAndSectionInAnotherLetterCase",
         "[SETTINGS]\r\nstart=1\r\nMODE=CW\r\n",
         {read("Start", "", "1"), read("Mode", "", "CW"), write("mode", "SSB"), write("Dxcc", "1"),
          read("DXCC", "", "1")},
         "[SETTINGS]\r\nstart=1\r\nMODE=SSB\r\nDxcc=1\r\n"},
        {"BlanksAroundNamesAndValues",
         "  [Settings]  \r\n  Mode  =   CW   \r\n\tName\t=\tJo Doe\t\r\nClub =\r\n",
         {read("Mode", "", "CW"), read("Name", "", "Jo Doe"), read("Club", "x", ""),
          write("Mode", "SSB")},
         "[Settings]\r\nMode=SSB\r\nName=Jo Doe\r\nClub=\r\n"},
        {"BlanksInWrittenValues",
         std::nullopt,
         {write("Name", "  Jo  Doe  "), read("Name", "", "Jo  Doe"), write("Club", "\t x"),
          read("Club", "", "x"), write("Email", "x\t"), read("Email", "", "x")},
         "[Settings]\r\nName=Jo  Doe\r\nClub=x\r\nEmail=x\t\r\n"},
        {"QuotedValues",
         "[Settings]\r\nA=\"CW\"\r\nB='CW'\r\nC=\"CW\r\nD=\"\"\r\nE=\"\r\nF=\" a b \"\r\n"
         "G=\"x\" y\"\r\nH='x\"\r\n",
         {read("A", "", "CW"), read("B", "", "CW"), read("C", "", "\"CW"), read("D", "z", ""),
          read("E", "", "\""), read("F", "", " a b "), read("G", "", "x\" y"),
          read("H", "", "'x\""), read("I", "\"dflt\"", "dflt"), read("J", "dflt  ", "dflt"),
          read("K", "dflt\t ", "dflt\t"), read("L", "  dflt", "  dflt"), read("M", "'", "\'")},
         "[Settings]\r\nA=\"CW\"\r\nB='CW'\r\nC=\"CW\r\nD=\"\"\r\nE=\"\r\nF=\" a b \"\r\n"
         "G=\"x\" y\"\r\nH='x\"\r\n"},
        {"QuotedValueWritten",
         std::nullopt,
         {write("SoapBox", "\"Hello\""), read("SoapBox", "", "Hello")},
         "[Settings]\r\nSoapBox=\"Hello\"\r\n"},
        {"EmptyValues",
         "[Settings]\r\nStart=\r\nMode\r\n",
         {read("Start", "d", ""), read("Mode", "d", "d"), write("Club", ""), read("Club", "d", ""),
          write("Mode", "CW")},
         "[Settings]\r\nStart=\r\nMode=CW\r\nClub=\r\n"},
        {"ValueWithEqualsAndSemicolon",
         "[Settings]\r\nAddress=a=b;c ; d\r\n;Start=5\r\n",
         {read("Address", "", "a=b;c ; d"), read("Start", "", ""), write("SoapBox", "x=y;z"),
          read("SoapBox", "", "x=y;z")},
         "[Settings]\r\nAddress=a=b;c ; d\r\n;Start=5\r\nSoapBox=x=y;z\r\n"},
        {"ManyKeys", std::nullopt, numbered_writes(40),
         "[Settings]\r\n" + numbered_lines(40, "\r\n")},
        {"ManyKeysRead",
         "[Settings]\r\n" + numbered_lines(40, "\r\n"),
         {read("Key1", "", "Value 1"), read("Key40", "", "Value 40"), read("Key41", "", "")},
         "[Settings]\r\n" + numbered_lines(40, "\r\n")},
        {"ValueLongerThanAnyReadBuffer",
         std::nullopt,
         {write("SoapBox", big), read("SoapBox", "", big), write("Claimed", "12"),
          read("SoapBox", "", big)},
         "[Settings]\r\nSoapBox=" + big + "\r\nClaimed=12\r\n"},
        {"HugeValue",
         "[Settings]\r\nSoapBox=" + huge + "\r\n",
         {read("SoapBox", "", huge)},
         "[Settings]\r\nSoapBox=" + huge + "\r\n"},
        values_around_buffer_sizes(),
        {"OtherSectionsAndCommentsStay",
         "; written by hand\r\n[Other]\r\nStart=9\r\n\r\n[Settings]\r\n; keep me\r\nStart=1\r\n"
         "\r\n\r\n[Last]\r\nx=y\r\n",
         {read("Start", "", "1"), write("Start", "0"), write("Mode", "CW"), read("x", "", "")},
         "; written by hand\r\n[Other]\r\nStart=9\r\n[Settings]\r\n; keep me\r\nStart=0\r\n"
         "Mode=CW\r\n[Last]\r\nx=y\r\n"},
        {"BlankLinesInsideASection",
         "[Settings]\r\nA=1\r\n\r\n  \r\nB=2\r\n\r\n",
         {read("B", "", "2"), write("C", "3")},
         "[Settings]\r\nA=1\r\nB=2\r\nC=3\r\n"},
        {"SectionAddedAfterOthers",
         "[Other]\r\na=b\r\n",
         {write("Start", "1"), read("a", "", "")},
         "[Other]\r\na=b\r\n[Settings]\r\nStart=1\r\n"},
        {"SectionAddedToAFileWithoutLastLineEnd",
         "[Other]\r\na=b",
         {write("Start", "1")},
         "[Other]\r\na=b\r\n[Settings]\r\nStart=1\r\n"},
        {"KeyAddedToAFileWithoutLastLineEnd",
         "[Settings]\r\na=b",
         {write("Start", "1")},
         "[Settings]\r\na=b\r\nStart=1\r\n"},
        {"LineFeedOnlyFile",
         "[Other]\nx=1\n\n[Settings]\nStart=1\nMode=CW\n",
         {read("Start", "", "1"), read("Mode", "", "CW"), write("Mode", "SSB")},
         "[Other]\r\nx=1\r\n[Settings]\r\nStart=1\r\nMode=SSB\r\n"},
        {"CarriageReturnOnlyLines",
         "[Settings]\rStart=1\rMode=CW\r",
         {read("Start", "", "1"), read("Mode", "", "CW"), write("Club", "x")},
         "[Settings]\r\nStart=1\r\nMode=CW\r\nClub=x\r\n"},
        {"FirstSectionAndFirstKeyWin",
         "[Settings]\r\nStart=1\r\nStart=2\r\n[Settings]\r\nMode=CW\r\n",
         {read("Start", "", "1"), read("Mode", "", ""), write("Mode", "SSB"), write("Start", "3")},
         "[Settings]\r\nStart=3\r\nStart=2\r\nMode=SSB\r\n[Settings]\r\nMode=CW\r\n"},
        {"LinesBeforeTheFirstSection",
         "Start=7\r\n[Settings]\r\nMode=CW\r\n",
         {read("Start", "", ""), write("Start", "1")},
         "Start=7\r\n[Settings]\r\nMode=CW\r\nStart=1\r\n"},
        {"OddSectionHeaders",
         "[ Settings ]\r\nA=1\r\n[Settings\r\nB=2\r\n[Settings]x\r\nC=3\r\n",
         {read("A", "", "1"), read("B", "", "2"), read("C", "", ""), write("D", "4")},
         "[Settings]\r\nA=1\r\n[Settings\r\nB=2\r\nD=4\r\n[Settings]\r\nC=3\r\n"},
        {"EmptySectionName",
         "[]\r\na=b\r\n[Settings]\r\nStart=1\r\n",
         {read("a", "", ""), write("Start", "2")},
         "a=b\r\n[Settings]\r\nStart=2\r\n"},
        {"EmptyKeyNames",
         "[Settings]\r\n=x\r\n=y\r\nA=1\r\n=z\r\n\r\n=w\r\n[S2]\r\n=v\r\n",
         {write("A", "2")},
         "[Settings]\r\n=x\r\nA=2\r\n=z\r\n[S2]\r\n=v\r\n"},
        {"MixedLineEnds",
         "[Settings]\r\nA=1\rB=2\r\nC=3\n",
         {read("A", "", "1"), read("B", "", "2"), read("C", "", "3"), write("D", "4")},
         "[Settings]\r\nA=1\r\nB=2\r\nC=3\r\nD=4\r\n"},
        {"BlanksAtTheEndsOfWrittenValues",
         std::nullopt,
         {write("A", "x  "), write("B", "x\t "), write("C", "x \t"), write("D", " \t x"),
          write("E", "   "), write("F", "\tx")},
         "[Settings]\r\nA=x\r\nB=x\r\nC=x\r\nD=x\r\nE=\r\nF=x\r\n"},
        {"HeaderWithTextAfterTheBracket",
         "[Settings] ; mine\r\nA=1\r\n[Set]tings]\r\nB=2\r\n  ;note\r\n\x1a",
         {read("A", "", "1"), write("A", "2")},
         "[Settings]\r\nA=2\r\n[Set]tings]\r\nB=2\r\n;note\r\n"},
        {"EmptyKeyName",
         "[Settings]\r\n=x\r\n = y\r\nStart=1\r\n",
         {read("Start", "", "1"), write("Start", "2")},
         "[Settings]\r\n=x\r\nStart=2\r\n"},
    };
}

// C++ literal text of bytes, so that a differing file can be pasted into the table.
inline std::string literal(const std::string& bytes) {
    std::string text = "\"";
    for (char c : bytes) {
        if (c == '\r')
            text += "\\r";
        else if (c == '\n')
            text += "\\n";
        else if (c == '\t')
            text += "\\t";
        else if (c == '"')
            text += "\\\"";
        else if (c == '\\')
            text += "\\\\";
        else
            text += c;
    }
    return text + "\"";
}

inline void run(const Case& c, const std::function<std::unique_ptr<SettingsStore>()>& make) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    if (c.without_folder)
        std::filesystem::remove_all(folder.path() / "Plugins");
    if (c.before)
        folder.write(kFile, *c.before);
    auto store = make();
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
        const Step& step = c.steps[i];
        SCOPED_TRACE("step " + std::to_string(i) + ": " + step.key);
        if (step.kind == Step::Kind::write) {
            store->write(step.key, step.text);
        } else {
            std::string value = store->read(step.key, step.text);
            EXPECT_EQ(value.size() < 200 ? literal(value) : value,
                      step.expected.size() < 200 ? literal(step.expected) : step.expected);
        }
    }
    if (!c.after) {
        EXPECT_FALSE(folder.exists(kFile));
    } else {
        EXPECT_TRUE(folder.exists(kFile));
        std::string bytes = folder.read(kFile);
        EXPECT_EQ(bytes.size() < 400 ? literal(bytes) : bytes,
                  c.after->size() < 400 ? literal(*c.after) : *c.after);
    }
}

}  // namespace settings_cases
