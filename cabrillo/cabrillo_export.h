// The Cabrillo export record: the header texts, the file base name and the QSO lines of the
// next file.
#pragma once

#include <string>
#include <vector>

#include "plugin/cabrillo_link.h"
#include "plugin/settings_store.h"
#include "plugin/text_files.h"
#include "plugin/user_interface.h"

class CabrilloExport : public CabrilloLink {
  public:
    CabrilloExport(SettingsStore& settings, UserInterface& ui, TextFiles& files)
        : settings_(settings), ui_(ui), files_(files) {}

    bool SetUpHeader(const std::string& own_call, const OleDateTime& contest_start,
                     const OleDateTime& contest_end) override;
    void AddQsoLine(const std::string& worked_call, std::uint32_t frequency_khz,
                    const std::string& mode_abbreviation, const OleDateTime& qso_time,
                    const std::string& sent_report, const std::string& sent_exchange,
                    const std::string& received_report,
                    const std::string& received_exchange) override;
    std::string WriteCabrilloFile(const std::string& host_version) override;

  private:
    SettingsStore& settings_;
    UserInterface& ui_;
    TextFiles& files_;
    std::vector<std::string> qso_lines_;
};
