#include "tests/support/plugin_host.h"

#include <gtest/gtest.h>

std::string program_folder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

PluginHost::PluginHost() {
    std::string dll = program_folder() + "Stats.dll";
    module_ = LoadLibraryA(dll.c_str());
    if (!module_)
        ADD_FAILURE() << "LoadLibrary failed for " << dll << ": " << GetLastError();
}

PluginHost::~PluginHost() {
    if (module_)
        FreeLibrary(module_);
}

FARPROC PluginHost::proc(const char* name) const {
    FARPROC address = module_ ? GetProcAddress(module_, name) : nullptr;
    if (!address)
        ADD_FAILURE() << "export missing: " << name;
    return address;
}

int PluginHost::reset(const HostSession& s) {
    HostDateTime start = s.start, end = s.end;
    return function<decltype(ResetStats0)>("ResetStats0")(
        s.host_folder.c_str(), s.export_request, s.own_call.c_str(), &start, &end, "", "", "", "",
        "", "", "", "", "", s.own_country.c_str(), 0, 0, 0, 0.0, 0.0, "", s.own_continent.c_str(),
        "");
}

namespace {

template <typename F>
int call_with_qso(F* f, const HostQso& q) {
    HostDateTime time = q.time, other{0.0, 2};
    return f(q.own_call.c_str(), q.call.c_str(), &time, &other, &other, &other, 0, q.frequency_hz,
             q.mode.c_str(), q.report_sent.c_str(), q.report_received.c_str(),
             q.exchange_sent.c_str(), q.exchange_received.c_str(), "", "", "", "", "", "", "", "",
             "", q.country.c_str(), 0, 0, 0, 0.0, 0.0, "", q.continent.c_str(), "", q.band.c_str(),
             "");
}

}  // namespace

int PluginHost::add(const HostQso& qso) {
    return call_with_qso(function<decltype(AddData0)>("AddData0"), qso);
}

int PluginHost::remove(const HostQso& qso) {
    return call_with_qso(function<decltype(RemoveData0)>("RemoveData0"), qso);
}

int PluginHost::check_call(const char* call, const char* mode, const char* country,
                           const char* band, const char* second_band, const char* continent) {
    char buffer27[256] = {}, buffer28[256] = {};
    return function<decltype(CheckCall0)>("CheckCall0")(
        call, 0, 0, mode, "", "", "", "", "", "", "", "", "", country, 0, 0, 0, 0.0, 0.0, "",
        continent, "", "", "", band, second_band, buffer27, buffer28);
}

int PluginHost::is_valid_exchange(const char* exchange) {
    return function<decltype(IsValidExchg0)>("IsValidExchg0")(exchange, "", "", "", 0, 0, 0);
}

std::string PluginHost::result(int* status) {
    int ignored = 0;
    const char* text = function<decltype(GetResult0)>("GetResult0")(status ? status : &ignored);
    return text ? std::string(text) : std::string("<null>");
}
