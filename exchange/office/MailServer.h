#pragma once

#include "AutomationRegistry.h"
#include "ICalItem.h"

#include <cstddef>
#include <memory>

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

// libical's parse time grows with the square of an item's size; no task or
// note anyone writes comes near this.
constexpr size_t nMaxVdirItemBytes = size_t(1) << 20;

// The item of that kind in one item file, read without blocking and only
// from a regular file of at most nMaxVdirItemBytes; null when there is none,
// and strWhy then names the file and says why.
std::unique_ptr<CICalItem> ReadVdirItem(const std::string& strPath, CICalItem::EKind kind, std::string& strWhy);
