#pragma once

#include <QString>

// Numbered resources of the program and where they are compiled in.
namespace QuillboxResources
{
enum : int {
    IDR_MAINFRAME = 128,        // program icon
    IDB_TREE = 130,             // folder tree strip, 5 images of 16 x 16
    IDB_NOTE_ICONS_16 = 134,    // 219 note icons, 3504 x 16
    IDB_NOTE_ICONS_32 = 135,    // 219 note icons, 7008 x 32
    IDB_TOOLBAR = 155,          // toolbar strip, 19 images of 16 x 16
    IDB_IMPORT_NOTES = 172,     // mail-client import list, notes
    IDB_IMPORT_TASKS = 173,     // mail-client import list, tasks
    IDB_WIZARD_HEADER = 500,    // editor wizard header, 500 x 65
    IDB_WIZARD_WATERMARK = 501, // editor wizard watermark, 300 x 300
};

constexpr int nNoteIconCount = 219;

// The resource path of a bitmap or icon id; empty for an unknown id.
QString ImagePath(int nId);
// The resource path of the string table.
QString StringTablePath();
} // namespace QuillboxResources
