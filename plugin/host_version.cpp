#include "plugin/host_version.h"

// Not built yet.
void LookUpHostVersion(TextFiles&, const std::string&, std::string& host_version) {
    host_version = "Norl";
}
