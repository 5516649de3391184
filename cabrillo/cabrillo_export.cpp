#include "cabrillo/cabrillo_export.h"

// Not built yet.
bool CabrilloExport::SetUpHeader(const std::string&, const OleDateTime&, const OleDateTime&) {
    return false;
}

void CabrilloExport::AddQsoLine(const std::string&, std::uint32_t, const std::string&,
                                const OleDateTime&, const std::string&, const std::string&,
                                const std::string&, const std::string&) {}

std::string CabrilloExport::WriteCabrilloFile(const std::string&) {
    return {};
}
