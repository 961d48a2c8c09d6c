#pragma once

#include "FileIo.h"

#include <string>

// Moves a file into the desktop's trash (the freedesktop.org layout), where a
// file manager lists it and can put it back: the home trash when the file is
// on the home trash's file system, else the trash at the top of the file's
// own file system. Never copies: a file no trash on its file system can take
// stays where it is, and the result says why. A file already gone counts
// as moved.
SFileResult MoveFileToTrash(const std::string& strPath);

// The home trash: $XDG_DATA_HOME/Trash, or ~/.local/share/Trash.
std::string HomeTrashDir();
