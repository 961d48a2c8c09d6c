#include "NoteIcons.h"

#include "Drawing.h"
#include "NoteSymbols.h"

namespace
{
constexpr std::array<Symbol, 32> aSymbols = {
    SymSheet,    SymStar,  SymHeart, SymFlag,  SymBell,   SymClock,     SymCalendar, SymCheck,
    SymEnvelope, SymPhone, SymHouse, SymBook,  SymBulb,   SymKey,       SymLock,     SymGear,
    SymPerson,   SymCart,  SymCup,   SymMusic, SymCamera, SymPin,       SymTag,      SymFolder,
    SymGlobe,    SymLeaf,  SymSun,   SymMoon,  SymCloud,  SymLightning, SymTrophy,   SymGift,
};
} // namespace

const std::array<QColor, 8> aPalette = {
    QColor(250, 200, 40), // yellow
    QColor(245, 135, 35), // orange
    QColor(222, 58, 58),  // red
    QColor(228, 90, 165), // pink
    QColor(140, 90, 210), // violet
    QColor(55, 120, 225), // blue
    QColor(35, 170, 170), // teal
    QColor(80, 175, 65),  // green
};

void DrawNoteIcon(QPainter& p, int n)
{
    const int nSymbol = n % static_cast<int>(aSymbols.size());
    const int nRound = n / static_cast<int>(aSymbols.size());
    const QColor c = aPalette[static_cast<size_t>((nRound + nSymbol) % static_cast<int>(aPalette.size()))];
    aSymbols[static_cast<size_t>(nSymbol)](p, Ink{c, Dark(c)});
}
