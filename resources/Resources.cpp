#include "Resources.h"

namespace QuillboxResources
{
QString ImagePath(int nId)
{
    switch (nId) {
    case IDR_MAINFRAME:
        return QStringLiteral(":/images/quillbox.png");
    case IDB_TREE:
        return QStringLiteral(":/images/tree.png");
    case IDB_NOTE_ICONS_16:
        return QStringLiteral(":/images/note_icons_16.png");
    case IDB_NOTE_ICONS_32:
        return QStringLiteral(":/images/note_icons_32.png");
    case IDB_TOOLBAR:
        return QStringLiteral(":/images/toolbar.png");
    case IDB_IMPORT_NOTES:
        return QStringLiteral(":/images/import_notes.png");
    case IDB_IMPORT_TASKS:
        return QStringLiteral(":/images/import_tasks.png");
    case IDB_WIZARD_HEADER:
        return QStringLiteral(":/images/wizard_header.png");
    case IDB_WIZARD_WATERMARK:
        return QStringLiteral(":/images/wizard_watermark.png");
    default:
        return {};
    }
}

QString ImagePath2x(int nId)
{
    switch (nId) {
    case IDB_TREE:
        return QStringLiteral(":/images/tree@2x.png");
    case IDB_NOTE_ICONS_16:
        return QStringLiteral(":/images/note_icons_32.png");
    case IDB_NOTE_ICONS_32:
        return QStringLiteral(":/images/note_icons_32@2x.png");
    case IDB_TOOLBAR:
        return QStringLiteral(":/images/toolbar@2x.png");
    case IDB_IMPORT_NOTES:
        return QStringLiteral(":/images/import_notes@2x.png");
    case IDB_IMPORT_TASKS:
        return QStringLiteral(":/images/import_tasks@2x.png");
    default:
        return {};
    }
}

QString StringTablePath()
{
    return QStringLiteral(":/strings.tsv");
}
} // namespace QuillboxResources
