// The selection and what others do to the shown folder on disk: the check
// behind a folder listed from its index, the live refresh, damaged files and
// a directory that goes away and comes back.
#include "NoteSelection.h"

#include "FolderView.h"
#include "FrameWindow.h"
#include "NoteStore.h"
#include "NotesListCtrl.h"
#include "NotesTextBar.h"

#include <QApplication>
#include <QDir>
#include <QStatusBar>
#include <QThread>

#include <algorithm>

#include <sys/stat.h>

bool CNoteSelection::IsDirectory(const std::string& strPath)
{
    struct stat st
    {};
    return ::stat(strPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

QString CNoteSelection::MissingText(const std::string& strFolder)
{
    return tr("The folder's directory %1 is missing.").arg(QDir::toNativeSeparators(QString::fromStdString(strFolder)));
}

void CNoteSelection::CheckFolderBehind()
{
    const std::shared_ptr<note_store::SFolderScan> scan = m_store.PrepareScan();
    const uint64_t nCheck = m_nCheck;
    QThread* pThread = QThread::create([scan] { CNoteStore::RunScan(*scan); });
    m_checks.push_back(pThread);
    connect(pThread, &QThread::finished, this, [this, pThread, scan, nCheck] {
        std::erase(m_checks, pThread);
        pThread->deleteLater();
        // A folder opened since has a check of its own.
        if (nCheck != m_nCheck)
            return;
        TakeFolderChanges(scan.get());
        CNoteStore::ClearScan(*scan);
        CNoteStore::ReleaseFreeMemory();
        emit FolderChecked();
    });
    pThread->start();
}

QString CNoteSelection::DamagedFilesText(size_t nCount)
{
    return tr("%n damaged note file(s) in this folder could not be read and were left as they are.", nullptr,
              static_cast<int>(nCount));
}

void CNoteSelection::ShowDamaged(std::vector<std::string> damaged)
{
    std::sort(damaged.begin(), damaged.end());
    if (damaged == m_damagedShown)
        return;
    if (QStatusBar* pStatus = m_window.GetStatusBar()) {
        if (!damaged.empty())
            pStatus->showMessage(DamagedFilesText(damaged.size()));
        else if (pStatus->currentMessage() == DamagedFilesText(m_damagedShown.size()))
            pStatus->clearMessage(); // told of files that are mended or gone now
    }
    m_damagedShown = std::move(damaged);
}

bool CNoteSelection::FollowMissingFolder(const std::string& strFolder)
{
    QStatusBar* pStatus = m_window.GetStatusBar();
    if (!IsDirectory(strFolder)) {
        // Gone (a share unmounted, a sync tool making it anew): its notes
        // are listed no more until it is back.
        if (!m_bFolderMissing) {
            m_bFolderMissing = true;
            m_store.LoadFolder(strFolder);
            RefreshNotesList();
            m_damagedShown.clear();
            if (pStatus)
                pStatus->showMessage(MissingText(strFolder));
            emit SelectionChanged();
        }
        return true;
    }
    if (!m_bFolderMissing)
        return false;
    m_bFolderMissing = false;
    if (pStatus && pStatus->currentMessage() == MissingText(strFolder))
        pStatus->clearMessage();
    OpenFolder(strFolder);
    emit SelectionChanged();
    return true;
}

void CNoteSelection::OnFolderChangedOnDisk()
{
    TakeFolderChanges(nullptr);
}

void CNoteSelection::TakeFolderChanges(const note_store::SFolderScan* pScan)
{
    CNotesListCtrl* pList = m_window.GetNotesList();
    CNotesTextBar* pBar = m_window.GetNotesTextBar();
    const std::string strFolder = m_folders.GetSelectedFolderPath();
    // The store may hold another folder for a while (a search of it).
    if (!pList || strFolder.empty() || m_store.GetLoadedFolder() != strFolder)
        return;
    // A dialog or menu works on the rows as they are: take the change in
    // once it has closed (then by a refresh of its own).
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        m_folderWatcher.Retry();
        return;
    }

    if (FollowMissingFolder(strFolder))
        return;

    const CNoteRecord* pMarked = pList->GetModel().GetRowNote(pList->GetSelectionMark());
    const std::optional<CNoteRecord> shown = pMarked ? std::optional<CNoteRecord>(*pMarked) : std::nullopt;
    const std::string strPane = pBar ? pBar->GetText() : std::string();
    const bool bTyped = shown && pBar && strPane != CNotesTextBar::AsShown(m_store.NotesText(*shown));

    const SFolderChanges changes = pScan ? m_store.ApplyScan(*pScan) : m_store.RefreshFolder();
    ShowDamaged(changes.damaged);
    if (!changes.Any())
        return;

    auto has = [](const std::vector<std::string>& keys, const std::string& strKey) {
        return std::find(keys.begin(), keys.end(), strKey) != keys.end();
    };
    const bool bShownChanged = shown && has(changes.changed, shown->m_strKey);
    const bool bShownGone = shown && has(changes.removed, shown->m_strKey);
    std::string strKeep = shown ? shown->m_strKey : std::string();
    if (bShownGone && bTyped) {
        // The typed text outlives its note, as a new note of the folder.
        CNoteRecord note = *shown;
        note.m_strNotes = strPane;
        note.m_bNotesAside = false;
        SStoreResult saved = m_store.SaveConflictCopy(note);
        saved.eConflict = SStoreResult::EConflict::deletedOnDisk;
        saved.strConflictOf = shown->m_strKey;
        ShowSaveResult(saved, shown->m_strTitle);
        strKeep = saved.strKey;
        m_strOutdatedKey.clear();
    }

    // Only the rows of the changed notes are touched (all of them after a
    // big burst); the mark goes back to the same note. The pane's text is
    // not written back or replaced meanwhile: the list stays silent.
    std::vector<std::string> keys = changes.added;
    keys.insert(keys.end(), changes.changed.begin(), changes.changed.end());
    keys.insert(keys.end(), changes.removed.begin(), changes.removed.end());
    if (strKeep != (shown ? shown->m_strKey : std::string()))
        keys.push_back(strKeep);
    int nRow = -1;
    {
        const QSignalBlocker blocker(pList);
        pList->SetCurrentItem(-1);
        pList->GetModel().UpdateRows(m_store, keys);
        if (const auto pKeep = m_store.GetShared(strKeep))
            nRow = pList->GetModel().FindRow(*pKeep);
        pList->SetSelectionMark(nRow >= 0 ? nRow : 0);
        pList->SetCurrentItem(pList->GetSelectionMark());
    }
    if (nRow < 0) {
        ShowNoteText();
    } else if (bShownChanged && bTyped) {
        m_strOutdatedKey = strKeep;
    } else if (bShownChanged && pBar) {
        if (const CNoteRecord* pNote = pList->GetModel().GetRowNote(nRow))
            pBar->SetText(m_store.NotesText(*pNote));
    }
    ShowNoteProperties();
    emit SelectionChanged();
}
