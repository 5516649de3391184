// Finds the version of the Norl host from its settings file "Norl2.ini".
#pragma once

#include <string>

#include "plugin/text_files.h"

// Searches host_folder for "*.ini" files; when one of them is Norl2.ini, reads the version from
// its first line holding "Norl=". Leaves host_version as it was when the file cannot be read or
// holds no version; sets "Norl" when no file matched.
void LookUpHostVersion(TextFiles& files, const std::string& host_folder,
                       std::string& host_version);
