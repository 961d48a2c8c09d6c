#pragma once

#include "SizingControlBar.h"

#include <string>

class QPlainTextEdit;

// The "Notes" pane: the selected note's text, editable in place.
class CNotesTextBar : public CSizingControlBarG
{
    Q_OBJECT

public:
    enum { IDC_NOTES_EDIT = 123 };

    CNotesTextBar(QMainWindow* pFrame, int nControlId);

    void SetText(const std::string& strText);
    std::string GetText() const;
    // What GetText gives back after SetText(strText): lone line ends turn into
    // CR LF, so a note that holds them is not seen as changed.
    static std::string AsShown(const std::string& strText);
    QPlainTextEdit* GetEdit() const { return m_pEdit; }

signals:
    // The pane lost the keyboard focus: time to save what was typed.
    void FocusLost();

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    QPlainTextEdit* m_pEdit;
};
