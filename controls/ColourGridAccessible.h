#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;

// Shows assistive technology a colour grid popup as a list of its 41 cells;
// for QAccessible::installFactory.
QAccessibleInterface* ColourGridAccessibleFactory(const QString& strClass, QObject* pObject);
