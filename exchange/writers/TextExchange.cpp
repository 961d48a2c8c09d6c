#include "TextExchange.h"

#include "AppContext.h"
#include "ExportTarget.h"
#include "NoteDetails.h"
#include "NoteRecord.h"
#include "NoteStore.h"

std::string BuildNoteTextAll(const CNoteRecord& note)
{
    static const SDetailLabels labels = {"Title\t\t:\t", "Date\t\t:\t", "Priority\t:\t", "Comments\t:\t",
                                         "Keyword(s)\t:\t"};
    return ComposeNoteDetails(note, labels);
}

std::string BuildNoteTextNotesOnly(const CNoteRecord& note)
{
    return "Title\t:\t" + note.m_strTitle + "\r\n\r\nNotes\t:\r\n\r\n" + note.m_strNotes;
}

SFileResult WriteExportFile(const std::string& strPath, std::string_view bytes)
{
    return WriteExportTarget(strPath, bytes);
}

std::string ImportTextFromBytes(std::string_view bytes)
{
    return std::string(bytes.substr(0, bytes.find('\0')));
}

SFileResult ReadImportText(const std::string& strPath, std::string& strText)
{
    std::string bytes;
    std::string error;
    if (ReadRegularFile(strPath, nMaxImportFile, bytes, &error) != EReadStatus::ok)
        return SFileResult::Failed(error);
    strText = ImportTextFromBytes(bytes);
    return SFileResult::Done();
}

bool AppendImportedText(CNoteRecord& note, const std::string& strText)
{
    if (strText.empty())
        return false;
    note.m_strNotes += "\r\n";
    note.m_strNotes += strText;
    return true;
}

EImportResult ImportTextIntoNote(CNoteStore& store, const CNoteRecord& note, const std::string& strPath,
                                 std::string& strError, SStoreResult* pSaved)
{
    strError.clear();
    std::string text;
    const SFileResult read = ReadImportText(strPath, text);
    if (!read) {
        strError = read.strError;
        return EImportResult::unreadable;
    }
    CNoteRecord changed = note;
    if (!AppendImportedText(changed, text))
        return EImportResult::empty;
    const SStoreResult saved = store.UpdateNote(changed);
    strError = saved.strError;
    if (pSaved)
        *pSaved = saved;
    return saved ? EImportResult::imported : EImportResult::saveFailed;
}
