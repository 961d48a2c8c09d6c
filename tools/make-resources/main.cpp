// Paints every image the program loads and writes them as PNG files.
//
//   quillbox-make-resources [output directory]   (default: resources/images)
//
// The strips are drawn on a transparent canvas and only then laid on their
// key colour (white, or the toolbar's grey), so the antialiased edges blend
// into the colour the image lists treat as see-through, and no drawn pixel can
// take the key colour itself and turn into a hole.

#include "Drawing.h"
#include "ImageFiles.h"
#include "NoteIcons.h"
#include "NoteSymbols.h"
#include "SingleImages.h"
#include "ToolbarImages.h"
#include "TreeImages.h"

#include <QByteArray>
#include <QDir>
#include <QGuiApplication>
#include <QString>

#include <cstdio>

namespace
{
constexpr int nNoteIcons = 219;
constexpr QRgb rgbWhite = 0xffffffu;
constexpr QRgb rgbToolbarMask = 0xc0c0c0u;
} // namespace

int main(int argc, char* argv[])
{
    // Painting needs no display; this also runs on a build machine without one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    const QDir dir(args.size() > 1 ? args.at(1) : QStringLiteral("resources/images"));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir.path()));
        return 1;
    }

    const QRgb paper = clrPaper.rgb() & 0xffffffu;
    // Every strip also at twice its size, "<name>@2x.png", for screens at 200%;
    // the 16-pixel note icons' are the 32-pixel strip.
    Save(dir, QStringLiteral("note_icons_16.png"), Strip(nNoteIcons, 16, rgbWhite, paper, DrawNoteIcon));
    Save(dir, QStringLiteral("note_icons_32.png"), Strip(nNoteIcons, 32, rgbWhite, paper, DrawNoteIcon));
    Save(dir, QStringLiteral("note_icons_32@2x.png"), Strip(nNoteIcons, 64, rgbWhite, paper, DrawNoteIcon));
    for (int nScale : {1, 2}) {
        const QString strSuffix = nScale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
        const int nSize = 16 * nScale;
        Save(dir, QStringLiteral("tree") + strSuffix, Strip(5, nSize, rgbWhite, paper, DrawTreeImage));
        Save(dir, QStringLiteral("toolbar") + strSuffix, Strip(19, nSize, rgbToolbarMask, 0xc3c3c3u, DrawToolbarImage));
        Save(dir, QStringLiteral("import_notes") + strSuffix, Strip(1, nSize, rgbWhite, paper, [](QPainter& p, int) {
                 SymSheet(p, Ink{aPalette[0], Dark(aPalette[0])});
             }));
        Save(dir, QStringLiteral("import_tasks") + strSuffix,
             Strip(1, nSize, rgbWhite, paper, [](QPainter& p, int) { DrawImportTasks(p); }));
    }
    Save(dir, QStringLiteral("wizard_header.png"),
         Picture(500, 65, DrawWizardHeader).convertToFormat(QImage::Format_RGB32));
    Save(dir, QStringLiteral("wizard_watermark.png"),
         Picture(300, 300, DrawWatermark).convertToFormat(QImage::Format_RGB32));
    Save(dir, QStringLiteral("quillbox.png"), Picture(256, 256, [](QPainter& p) { DrawProgramIcon(p, 256); }));
    for (int n : {16, 32, 48, 64, 128})
        Save(dir, QStringLiteral("quillbox-%1.png").arg(n), Picture(n, n, [n](QPainter& p) { DrawProgramIcon(p, n); }));
    return g_bFailed ? 1 : 0;
}
