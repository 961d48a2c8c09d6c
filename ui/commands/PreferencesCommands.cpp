#include "PreferencesCommands.h"

#include "AppContext.h"
#include "CommandContext.h"
#include "FrameWindow.h"
#include "NotesListCtrl.h"
#include "PreferencesDialog.h"

#include <QMessageBox>

namespace
{
constexpr uint32_t clrNone = 0xFF000000u;
}

QColor ColourFromColorRef(uint32_t clr)
{
    if (clr == clrNone)
        return {};
    return QColor(static_cast<int>(clr & 0xff), static_cast<int>((clr >> 8) & 0xff),
                  static_cast<int>((clr >> 16) & 0xff));
}

uint32_t ColorRefFromColour(const QColor& clr)
{
    if (!clr.isValid())
        return clrNone;
    const QColor rgb = clr.toRgb();
    return static_cast<uint32_t>(rgb.red()) | static_cast<uint32_t>(rgb.green()) << 8 |
           static_cast<uint32_t>(rgb.blue()) << 16;
}

bool OnPreferences(CAppContext& app, QWidget* pParent, const std::function<void()>& repaint)
{
    CPreferencesDialog dialog(pParent);
    dialog.SetPriorityColours(ColourFromColorRef(app.m_clrHighPriority), ColourFromColorRef(app.m_clrMediumPriority),
                              ColourFromColorRef(app.m_clrLowPriority));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    app.m_clrHighPriority = ColorRefFromColour(dialog.GetHighColour());
    app.m_clrLowPriority = ColorRefFromColour(dialog.GetLowColour());
    app.m_clrMediumPriority = ColorRefFromColour(dialog.GetMediumColour());
    const std::string strError = app.SavePriorityColours();
    if (!strError.empty())
        QMessageBox::critical(pParent, QStringLiteral("Quillbox"), QString::fromStdString(strError));
    if (repaint)
        repaint();
    return true;
}

namespace PreferencesCommands
{
void OnPreferences(SCommandContext& ctx)
{
    ::OnPreferences(ctx.app, ctx.pParent, [&ctx] {
        if (CNotesListCtrl* pList = ctx.window.GetNotesList())
            pList->RedrawAllRows();
    });
}
} // namespace PreferencesCommands
