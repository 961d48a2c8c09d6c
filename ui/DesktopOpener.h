#pragma once

#include <functional>

class QUrl;

// How documents are opened with the desktop's handler for their type; tests
// replace it. True when the desktop took the document.
using OpenUrlFunction = std::function<bool(const QUrl&)>;
OpenUrlFunction& OpenUrlHook();
