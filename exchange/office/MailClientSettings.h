#pragma once

#include <string>

// The two vdir folders the mail-client server works on: one .ics file per
// task in the tasks folder, one per note in the notes folder.
struct SMailClientFolders
{
    std::string strTasks;
    std::string strNotes;
};

// Section "Mail Client", values "TasksFolder" and "NotesFolder" of the
// per-user settings; each defaults to a folder under the per-user data
// directory.
SMailClientFolders LoadMailClientFolders();
void SaveMailClientFolders(const SMailClientFolders& folders);
