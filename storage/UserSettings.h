#pragma once

#include <QSettings>

// The per-user settings store of the program: maker "Orvantic", application
// "Quillbox". Every preference and the window layout live here.
QSettings OpenUserSettings();
