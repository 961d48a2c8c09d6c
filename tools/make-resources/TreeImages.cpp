#include "TreeImages.h"

#include "Drawing.h"
#include "NoteIcons.h"
#include "NoteSymbols.h"

const QColor clrFolder(244, 196, 64);
const QColor clrFolderDark(150, 105, 20);

namespace
{
void DrawCardBox(QPainter& p, bool bSelected)
{
    const double lift = bSelected ? 1.5 : 0;
    Shape(p, Rect(3.5, 2.5 - lift, 8, 8, 0.5), clrPaper, QColor(110, 110, 120));
    Shape(p, Rect(6.5, 1.5 - lift, 7, 8, 0.5), QColor(255, 226, 120), QColor(160, 120, 30));
    Bar(p, 8, 4 - lift, 4, QColor(200, 160, 60));
    Bar(p, 8, 6 - lift, 3, QColor(200, 160, 60));
    const QColor box = bSelected ? QColor(70, 140, 235) : QColor(52, 104, 196);
    Shape(p, Poly({{1.5, 7.5}, {14.5, 7.5}, {13.5, 14.5}, {2.5, 14.5}}), box, QColor(25, 50, 110));
    Fill(p, Rect(6, 9.5, 4, 2, 0.5), Light(box, 0.7));
}

void DrawFolder(QPainter& p, bool bOpen)
{
    Shape(p, Poly({{1.5, 2.5}, {6, 2.5}, {7.5, 4}, {13.5, 4}, {13.5, 13.5}, {1.5, 13.5}}),
          Mix(clrFolder, clrFolderDark, 0.3), clrFolderDark);
    if (bOpen) {
        Shape(p, Rect(3.5, 5.5, 9, 6), clrPaper, QColor(130, 130, 140), 0.8);
        Shape(p, Poly({{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}}), clrFolder, clrFolderDark);
        Bar(p, 4, 8, 10.5, Light(clrFolder, 0.5));
    } else {
        Shape(p, Rect(1.5, 5.5, 12, 8), clrFolder, clrFolderDark);
        Bar(p, 2, 6, 11, Light(clrFolder, 0.5));
    }
}
} // namespace

void DrawTreeImage(QPainter& p, int n)
{
    switch (n) {
    case 0:
        DrawCardBox(p, false);
        break;
    case 1:
        DrawCardBox(p, true);
        break;
    case 2:
        DrawFolder(p, false);
        break;
    case 3:
        DrawFolder(p, true);
        break;
    default:
        SymSheet(p, Ink{aPalette[0], Dark(aPalette[0])});
        break;
    }
}
