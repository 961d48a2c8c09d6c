#pragma once

#include "FolderWatcher.h"
#include "NoteRecord.h"

#include <QObject>

#include <optional>
#include <string>
#include <vector>

class CNoteStore;
class QThread;
struct SStoreResult;
struct SFolderChanges;
namespace note_store
{
struct SFolderScan;
}
class IFolderView;
class IFrameWindow;

// The notes list and the panes that follow its selection mark: the Notes
// pane's text and the Properties pane. Also the one way a folder's notes
// come into the window, and the common start of every command that acts on
// the selected note.
class CNoteSelection : public QObject
{
    Q_OBJECT

public:
    CNoteSelection(CNoteStore& store, IFrameWindow& window, const IFolderView& folders);
    ~CNoteSelection() override;

    // Follows the list's mark and the Notes pane's focus; once the panes exist.
    void Attach();

    // Rebuilds the list from the store, sorted by title, row 0 marked.
    void RefreshNotesList();
    // The Notes pane shows the note at the mark, or nothing.
    void ShowNoteText();
    // Saves the Notes pane's text into the note at the mark when it differs,
    // in the folder the note was listed from (the store's).
    void CommitNoteText();
    // The same for the note of nRow; nothing for a row below 0.
    void CommitNoteText(int nRow);
    // The note at the mark, or row 0 without a mark.
    void ShowNoteProperties();
    void ClearProperties();
    // The one way into a folder: the store reads the directory (nothing for
    // an empty path), the list is refilled with row 0 marked, the panes
    // follow, damaged files are told in the status bar, and the directory is
    // watched from now on. Returns the damaged files, left as they are.
    // A folder with an index is listed from it at once and its files are
    // checked behind (see FolderChecked); none are returned then.
    std::vector<std::string> OpenFolder(const std::string& strPath);
    // Whether the check of a folder listed from its index is still running.
    bool IsCheckingFolder() const { return m_bCheckDue || !m_checks.empty(); }

    // The note a command on the selected note works on, and the row it was
    // on when the command started.
    struct SCommandNote
    {
        int nRow;
        CNoteRecord note;
    };
    // The common start of such a command: takes the note at the mark, saves
    // the Notes pane into it, and gives back that same note as saved, even
    // when the save rebuilt the list and moved the mark. Nothing when no note
    // is at the mark; the command then ends without a message.
    std::optional<SCommandNote> TakeCommandNote();

    bool HasSelectionMark() const;
    // The key of the note at the mark; empty for none.
    std::string GetMarkedKey() const;
    // Moves the mark to the note under strKey; false when it is not listed,
    // and the mark stays.
    bool MarkNote(const std::string& strKey);

    // Working copy of the note being modified or deleted.
    CNoteRecord m_note;

    // Says in the status bar why a save failed, or that it met someone
    // else's change and where this version went; nothing after a plain save.
    void ShowSaveResult(const SStoreResult& saved, const std::string& strTitle);

    CFolderWatcher& GetFolderWatcher() { return m_folderWatcher; }
    // Takes in what other programs changed in the folder's directory: the
    // changed files read again, the list rebuilt with the mark on the same
    // note, and the Notes pane left alone unless its note changed on disk
    // and nothing was typed. Typed text is never lost: for a note changed on
    // disk it is saved as a conflict copy at the next commit, for a note
    // deleted on disk at once.
    void OnFolderChangedOnDisk();

signals:
    // The mark moved or the list was rebuilt: the command states may differ.
    void SelectionChanged();
    // The files of a folder listed from its index were checked and the list
    // took what differed.
    void FolderChecked();

public:
    // A left click on nRow (-1: on no row): the pane saved into the note it
    // showed, then the clicked note shown and marked.
    void OnRowClicked(int nRow);
    // The Notes pane lost the focus: its text saved, then shown as stored.
    void OnNotesFocusLost();
    // The list's filter text changed: the rows narrowed or widened, the mark
    // kept on its note while it is shown, else on row 0, the panes following.
    void OnFilterEdited(const QString& strText);

private:
    void OnMarkChanged(int nRow);
    static QString DamagedFilesText(size_t nCount);
    static QString MissingText(const std::string& strFolder);
    static bool IsDirectory(const std::string& strPath);
    // Tells the damaged files when they differ from those last told; clears
    // that message once there are none.
    void ShowDamaged(std::vector<std::string> damaged);
    // Empties the list while the folder's directory is missing and fills it
    // again when it is back; false when neither happened.
    bool FollowMissingFolder(const std::string& strFolder);
    // Lists and stats the folder's files on another thread; the list takes
    // what differs once that is done.
    void CheckFolderBehind();
    // The list takes a change of the folder's files: the scan's when given,
    // else a refresh's.
    void TakeFolderChanges(const note_store::SFolderScan* pScan);

    CNoteStore& m_store;
    IFrameWindow& m_window;
    const IFolderView& m_folders;

    CFolderWatcher m_folderWatcher;
    // The note whose file changed on disk while the Notes pane held typed
    // text: that text is saved as a conflict copy, never over the new file.
    std::string m_strOutdatedKey;
    // The damaged files last told of, sorted.
    std::vector<std::string> m_damagedShown;
    // The selected folder's directory was missing at the last look.
    bool m_bFolderMissing = false;
    // The checks running, the newest last; only its result is taken.
    std::vector<QThread*> m_checks;
    uint64_t m_nCheck = 0;
    // A folder listed from its index is checked once its list is painted.
    bool m_bCheckDue = false;
};
