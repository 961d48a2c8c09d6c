#pragma once

#include "AutomationRegistry.h"

#include <string>
#include <vector>

class IDocumentOpener;
struct SMailClientFolders;

// The mail-client server over two vdir folders: tasks as VTODO items, notes
// as VJOURNAL items, one .ics file each. Reading skips hidden, temporary and
// extensionless files; displaying an item writes its file atomically into
// its folder and opens it with the desktop's default handler. Creating it
// makes missing folders and fails when they cannot be made.
SServerCreation CreateMailServer(const SMailClientFolders& folders, IDocumentOpener& opener);

// The item files of a vdir folder, sorted by name.
std::vector<std::string> VdirItemFiles(const std::string& strDir);
