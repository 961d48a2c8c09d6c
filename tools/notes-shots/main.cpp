// Pictures of the notes widgets for docs/: each list mode, both forms of the
// editor sheet and the properties card. Run by tools/notes-shots.sh under Xvfb.
#include "AppContext.h"
#include "IconListCtrl.h"
#include "IconPage.h"
#include "DetailPage.h"
#include "NotesListCtrl.h"
#include "NotesSheet.h"
#include "PropertiesBar.h"
#include "Resources.h"

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>

namespace
{
QString g_strOut;

bool Save(QWidget* pWidget, const char* pszName)
{
    const QString strPath = QDir(g_strOut).filePath(QString::fromLatin1(pszName));
    const bool bOk = pWidget->grab().save(strPath);
    std::printf("%s %s\n", bOk ? "wrote" : "FAILED", qPrintable(strPath));
    return bOk;
}

CNoteRecord Note(const char* pszTitle, const char* pszComments, int nPriority, int nIcon, int nDay)
{
    CNoteRecord note;
    note.m_strKey = "202612070930" + std::to_string(10 + nIcon);
    note.m_strTitle = pszTitle;
    note.m_strComments = pszComments;
    note.m_nPriority = nPriority;
    note.m_nIcon = nIcon;
    note.m_bHasDate = nDay > 0;
    note.m_dtDate = CDateTime::FromFields(2026, 12, nDay > 0 ? nDay : 1, 9, 0, 0);
    note.m_strNotes = "Text of " + note.m_strTitle;
    return note;
}

std::vector<CNoteRecord> SampleNotes()
{
    return {Note("Dentist appointment", "Tuesday morning", 2, 12, 8),
            Note("groceries", "milk, bread, apples", 0, 45, 0),
            Note("Book club", "chapter 7 to 12", 1, 88, 15),
            Note("Car service", "ask about the brakes", 2, 131, 21),
            Note("birthday present", "for Anna", 1, 57, 19),
            Note("Old note from the phone", "priority 3 in its file", 3, 200, 0),
            Note("Tax return", "", 0, 160, 31)};
}

void RunSheet(CNotesSheet& sheet, const std::function<void()>& step)
{
    QTimer::singleShot(300, &sheet, [&] {
        step();
        sheet.reject();
    });
    sheet.DoModal();
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    // The pointer out of the way, so no item shows as hovered.
    QCursor::setPos(0, 0);
    g_strOut = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QTemporaryDir dir;
    CAppContext context(dir.path().toStdString());
    bool bOk = true;

    static const char* const apszModes[] = {"notes-list-details.png", "notes-list-list.png", "notes-list-tiles.png",
                                            "notes-list-icons.png"};
    for (int nMode = 0; nMode < 4; ++nMode) {
        CNotesListCtrl list(context);
        list.InitColumns(nMode);
        list.GetModel().DeleteAllRows();
        for (const CNoteRecord& note : SampleNotes())
            list.GetModel().AppendRow({}, std::make_unique<CNoteRecord>(note));
        list.GetModel().SortByTitle();
        list.SetViewMode(nMode);
        list.SetSelectionMark(2);
        list.resize(nMode == 0 ? 760 : 560, 230);
        list.show();
        QTest::qWait(300);
        bOk &= Save(&list, apszModes[nMode]);
    }

    {
        CNotesSheet sheet(QStringLiteral("Add Note"), nullptr, 0,
                          QPixmap(QuillboxResources::ImagePath(QuillboxResources::IDB_WIZARD_WATERMARK)),
                          QPixmap(QuillboxResources::ImagePath(QuillboxResources::IDB_WIZARD_HEADER)));
        sheet.SetWizardMode();
        RunSheet(sheet, [&] {
            QTest::keyClicks(sheet.GetDetailPage()->GetTitleEdit(), "Call the plumber");
            bOk &= Save(&sheet, "notes-sheet-wizard-detail.png");
            sheet.GetButton(CNotesSheet::btnNext)->click();
            QTest::qWait(200);
            QTest::keyClicks(sheet.GetIconPage()->GetCommentsEdit(), "kitchen tap drips");
            bOk &= Save(&sheet, "notes-sheet-wizard-icon.png");
        });
    }
    {
        CNotesSheet sheet(QStringLiteral("Modify Notes"));
        sheet.m_note = SampleNotes()[4];
        sheet.m_note.m_strKeywords = "family";
        RunSheet(sheet, [&] {
            bOk &= Save(&sheet, "notes-sheet-modify-detail.png");
            sheet.GetTabs()->setCurrentIndex(1);
            QTest::qWait(200);
            bOk &= Save(&sheet, "notes-sheet-modify-icon.png");
        });
    }
    {
        CPropertiesList list;
        list.InitList();
        CNoteRecord note = SampleNotes()[0];
        note.m_dtCreated = CDateTime::FromFields(2026, 11, 30, 14, 5, 0);
        note.m_dtModified = CDateTime::FromFields(2026, 12, 2, 8, 40, 0);
        list.ShowNoteProperties(&note);
        list.resize(460, 150);
        list.show();
        QTest::qWait(300);
        bOk &= Save(&list, "notes-properties.png");
    }
    return bOk ? 0 : 1;
}
