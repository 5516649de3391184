// Finds the version of the Norl host from its settings file "Norl2.ini".
#pragma once

#include <string>

#include "plugin/text_files.h"

// Searches host_folder (which ends with its separator) for "*.ini" files; when the name of one
// of them holds "Norl2.ini", reads that file in host_folder and takes the text after the first
// "Norl=" of its first line holding it. Leaves host_version as it was when the file cannot be
// read or holds no version; sets "Norl" when no file matched.
void LookUpHostVersion(TextFiles& files, const std::string& host_folder, std::string& host_version);
