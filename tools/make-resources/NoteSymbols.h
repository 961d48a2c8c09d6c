#pragma once

// Note icon symbols, each drawn in a 16 x 16 grid from one base colour.

#include <QColor>
#include <QPainter>

struct Ink
{
    QColor fill;
    QColor dark;
};

using Symbol = void (*)(QPainter&, const Ink&);

void SymSheet(QPainter& p, const Ink& k);
void SymStar(QPainter& p, const Ink& k);
void SymHeart(QPainter& p, const Ink& k);
void SymFlag(QPainter& p, const Ink& k);
void SymBell(QPainter& p, const Ink& k);
void SymClock(QPainter& p, const Ink& k);
void SymCalendar(QPainter& p, const Ink& k);
void SymCheck(QPainter& p, const Ink& k);
void SymEnvelope(QPainter& p, const Ink& k);
void SymPhone(QPainter& p, const Ink& k);
void SymHouse(QPainter& p, const Ink& k);
void SymBook(QPainter& p, const Ink& k);
void SymBulb(QPainter& p, const Ink& k);
void SymKey(QPainter& p, const Ink& k);
void SymLock(QPainter& p, const Ink& k);
void SymGear(QPainter& p, const Ink& k);
void SymPerson(QPainter& p, const Ink& k);
void SymCart(QPainter& p, const Ink& k);
void SymCup(QPainter& p, const Ink& k);
void SymMusic(QPainter& p, const Ink& k);
void SymCamera(QPainter& p, const Ink& k);
void SymPin(QPainter& p, const Ink& k);
void SymTag(QPainter& p, const Ink& k);
void SymFolder(QPainter& p, const Ink& k);
void SymGlobe(QPainter& p, const Ink& k);
void SymLeaf(QPainter& p, const Ink& k);
void SymSun(QPainter& p, const Ink& k);
void SymMoon(QPainter& p, const Ink& k);
void SymCloud(QPainter& p, const Ink& k);
void SymLightning(QPainter& p, const Ink& k);
void SymTrophy(QPainter& p, const Ink& k);
void SymGift(QPainter& p, const Ink& k);
