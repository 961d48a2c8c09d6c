#include "TextExchange.h"

#include "AppContext.h"
#include "AtomicFile.h"
#include "NoteDetails.h"
#include "NoteRecord.h"
#include "NoteStore.h"

#include <QFile>
#include <QString>

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

bool WriteExportFile(const std::string& strPath, std::string_view bytes)
{
    return WriteFileAtomically(strPath, bytes);
}

bool ReadImportText(const std::string& strPath, std::string& strText)
{
    QFile file(QString::fromStdString(strPath));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    const qsizetype zero = bytes.indexOf('\0');
    strText.assign(bytes.constData(), static_cast<size_t>(zero < 0 ? bytes.size() : zero));
    return true;
}

bool AppendImportedText(CNoteRecord& note, const std::string& strText)
{
    if (strText.empty())
        return false;
    note.m_strNotes += "\r\n";
    note.m_strNotes += strText;
    return true;
}

EImportResult ImportTextIntoNote(CNoteStore& store, const CNoteRecord& note, const std::string& strPath)
{
    std::string text;
    if (!ReadImportText(strPath, text))
        return EImportResult::unreadable;
    CNoteRecord changed = note;
    if (!AppendImportedText(changed, text))
        return EImportResult::empty;
    store.UpdateNote(changed);
    return store.LastWriteSucceeded() ? EImportResult::imported : EImportResult::saveFailed;
}
