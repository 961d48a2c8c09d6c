#pragma once

#include "FileIo.h"

#include <string>
#include <string_view>

// Writes an export where the user pointed it. A regular file (or a new one)
// is replaced whole through a temporary file beside it; a symlink is kept and
// the file it points to is written so; a pipe, terminal or character device
// is written into directly, never replaced; a folder, a socket or a block
// device is refused. A pipe with no program reading it is an error, never a
// wait.
SFileResult WriteExportTarget(const std::string& strPath, std::string_view bytes);
