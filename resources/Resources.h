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

// Texts of the string table beyond the commands' prompts, which go by
// their command ids.
enum : unsigned {
    IDS_DETAIL_PAGE_TITLE = 61446,       // "Details"
    IDS_DETAIL_PAGE_SUBTITLE = 61447,    // the wizard's first page
    IDS_ICON_PAGE_TITLE = 61448,         // "Icon"
    IDS_ICON_PAGE_SUBTITLE = 61449,      // the wizard's second page
    IDP_WORD_EXPORT_FAILED = 61450,
    IDP_OUTLOOK_INIT_FAILED = 61451,
    IDP_EXCEL_EXPORT_FAILED = 61452,
    IDS_HTML_HEAD = 61453,               // the HTML page, in eight pieces
    IDS_HTML_AFTER_TITLE = 61454,
    IDS_HTML_AFTER_HEADING = 61455,
    IDS_HTML_BEFORE_PRIORITY = 61456,
    IDS_HTML_BEFORE_COMMENTS = 61457,
    IDS_HTML_BEFORE_KEYWORDS = 61458,
    IDS_HTML_BEFORE_NOTES = 61459,
    IDS_HTML_TAIL = 61460,
    IDS_DELETE_NOTE_QUESTION = 61461,
    IDS_REMOVE_FOLDER_QUESTION = 61462,
    IDP_SAVE_FAILED = 61463,
};

constexpr int nNoteIconCount = 219;

// The resource path of a bitmap or icon id; empty for an unknown id.
QString ImagePath(int nId);
// The same drawing at twice the size, for screens at 200%; empty when a
// bitmap has none.
QString ImagePath2x(int nId);
// The resource path of the string table.
QString StringTablePath();
} // namespace QuillboxResources
