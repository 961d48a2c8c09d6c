#pragma once

#include <QPixmap>

// The 16-pixel note icon at index nIcon; a null pixmap for an index out of
// range. The strip is cut on first use, so a start with no note shown never
// decodes it.
QPixmap SmallNoteIcon(int nIcon);
