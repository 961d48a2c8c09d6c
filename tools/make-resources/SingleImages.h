#pragma once

// The images that stand alone rather than in a strip.

#include <QPainter>

void DrawImportTasks(QPainter& p);
// The program's icon at size pixels square.
void DrawProgramIcon(QPainter& p, double size);
void DrawWatermark(QPainter& p);
void DrawWizardHeader(QPainter& p);
