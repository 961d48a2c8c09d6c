#include "NoteIcons.h"

#include "ImageStrip.h"
#include "Resources.h"

#include <vector>

QPixmap SmallNoteIcon(int nIcon)
{
    static const std::vector<QPixmap> icons = [] {
        std::vector<QPixmap> strip;
        LoadImageStrip(QuillboxResources::IDB_NOTE_ICONS_16, 16, strip);
        return strip;
    }();
    return nIcon >= 0 && static_cast<size_t>(nIcon) < icons.size() ? icons[static_cast<size_t>(nIcon)] : QPixmap();
}
