#pragma once

#include <QString>

#include <string>

// A note's text keeps its lines ended by CR LF; a text edit breaks lines at
// LF. A lone CR or LF in a note is shown as a line break too, and comes back
// as CR LF once edited.
QString ToEditText(const std::string& strText);
std::string FromEditText(QString text);
