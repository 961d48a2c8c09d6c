#pragma once

#include <string>
#include <string_view>

// Writes the bytes beside the file and renames them over it, so the file is
// either the old one or the whole new one. False when any step failed.
bool WriteFileAtomically(const std::string& strPath, std::string_view bytes);
