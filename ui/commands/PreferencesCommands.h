#pragma once

#include <QColor>

#include <cstdint>
#include <functional>

class CAppContext;
class QWidget;

// A stored colour 0x00BBGGRR as a QColor; 0xFF000000 ("no colour") is the
// invalid QColor, and any other high byte is ignored.
QColor ColourFromColorRef(uint32_t clr);
// The other way round: an invalid QColor gives 0xFF000000.
uint32_t ColorRefFromColour(const QColor& clr);

// Runs "Preference Settings" on the app's priority colours. On OK stores and
// saves them, then calls repaint (the notes list shows the new colours);
// on Cancel changes nothing. A save that fails is reported to the user.
// Returns true on OK.
bool OnPreferences(CAppContext& app, QWidget* pParent, const std::function<void()>& repaint);

struct SCommandContext;

namespace PreferencesCommands
{
// The Preferences command: the dialog on the app's colours; after OK every
// row of the notes list is drawn again in the new colours.
void OnPreferences(SCommandContext& ctx);
} // namespace PreferencesCommands
