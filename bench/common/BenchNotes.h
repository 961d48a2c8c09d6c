#pragma once

#include "NoteRecord.h"

#include <string>

// The generated notes every benchmark measures on: titles that vary in case
// and order so a sort has work to do, about nTextSize bytes of note text.
CNoteRecord MakeBenchNote(int i, size_t nTextSize = 200);

// A folder of nNotes such notes, written once and kept between runs (writing
// 100,000 files takes a while): $QUILLBOX_BENCH_NOTES/<name>, else <name>
// in the temporary directory. A marker file says the folder is complete.
std::string BenchNotesFolder(const std::string& strName, int nNotes, size_t nTextSize = 200);
