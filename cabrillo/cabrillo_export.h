// The Cabrillo export record: the header texts, the file base name and the QSO lines of the
// next file. One record lives as long as the plug-in; a session start of an export run fills
// the header from the settings and the operator's dialog, the result request adds the QSO
// lines and writes the file.
#pragma once

#include <string>
#include <vector>

#include "cabrillo/cabrillo_header.h"
#include "plugin/cabrillo_link.h"
#include "plugin/settings_store.h"
#include "plugin/text_files.h"
#include "plugin/user_interface.h"

class CabrilloExport : public CabrilloLink {
  public:
    CabrilloExport(SettingsStore& settings, UserInterface& ui, TextFiles& files)
        : settings_(settings), ui_(ui), files_(files) {}

    // Fills the header from the settings, lets the operator edit it and, on OK, stores it back.
    // On Cancel the settings stay as they were and the result is false.
    bool SetUpHeader(const std::string& own_call, const OleDateTime& contest_start,
                     const OleDateTime& contest_end) override;
    void AddQsoLine(const std::string& worked_call, std::uint32_t frequency_khz,
                    const std::string& mode_abbreviation, const OleDateTime& qso_time,
                    const std::string& sent_report, const std::string& sent_exchange,
                    const std::string& received_report,
                    const std::string& received_exchange) override;
    // Writes base name + ".cbr" whole or not at all, then forgets the QSO lines. Returns
    // "File produced: <name>" or "File not written: <name> (<reason>)".
    std::string WriteCabrilloFile(const std::string& host_version) override;

    const CabrilloHeader& header() const { return header_; }
    const std::string& file_base_name() const { return file_base_name_; }

  private:
    SettingsStore& settings_;
    UserInterface& ui_;
    TextFiles& files_;
    CabrilloHeader header_;
    std::string file_base_name_;
    OleDateTime contest_start_, contest_end_;
    std::vector<std::string> qso_lines_;
};

// A multi-line value in the form the settings file keeps it: "<CR>" and "<LF>" for the line
// breaks, and back.
std::string EscapeLineBreaks(const std::string& text);
std::string UnescapeLineBreaks(const std::string& text);
