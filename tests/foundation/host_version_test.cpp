// The host version lookup with the native files.
#include <gtest/gtest.h>

#include "platform/posix/posix_text_files.h"
#include "tests/foundation/host_version_cases.h"

TEST(HostVersion, LookUpInTheHostFolder) {
    PosixTextFiles files;
    for (const auto& c : host_version_cases::cases())
        host_version_cases::run(c, files);
}
