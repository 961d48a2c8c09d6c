#pragma once

#include "FileIo.h"

#include <string>
#include <string_view>

class CNoteRecord;
class CNoteStore;
struct SStoreResult;

// Title, date (when the note has one), priority, comments, keywords and the
// notes text, as labelled blocks separated by blank lines.
std::string BuildNoteTextAll(const CNoteRecord& note);
// Title and notes text only.
std::string BuildNoteTextNotesOnly(const CNoteRecord& note);

// Writes an export byte for byte as WriteExportTarget does; says why when it
// could not be written (no file is left half written).
SFileResult WriteExportFile(const std::string& strPath, std::string_view bytes);

// The text of an imported file's bytes: up to the first zero byte.
std::string ImportTextFromBytes(std::string_view bytes);
// The file's bytes up to its first zero byte. Only a regular file of a sane
// size is read; anything else fails with the reason.
SFileResult ReadImportText(const std::string& strPath, std::string& strText);
// The largest file ReadImportText and the command-line tool take as text.
constexpr size_t nMaxImportFile = size_t(256) << 20;

// Appends CR LF and the text to the notes text; an empty text changes
// nothing. Whether the note changed.
bool AppendImportedText(CNoteRecord& note, const std::string& strText);

enum class EImportResult { unreadable, empty, imported, saveFailed };

// Reads the file and, when it gives any text, appends it to the note and
// saves the note through the store, which writes into its context's current
// folder (the caller sets it to the note's folder). strError says why for
// unreadable and saveFailed; pSaved, when given, receives what the store did
// (a conflict copy among others).
EImportResult ImportTextIntoNote(CNoteStore& store, const CNoteRecord& note, const std::string& strPath,
                                 std::string& strError, SStoreResult* pSaved = nullptr);
