#pragma once

// The program's main window for benchmarks that drive it: a fresh
// application in a folder of its own, shown, a folder of notes registered
// last in the tree (not selected). For targets that link the shell.
#include "CommandController.h"
#include "FolderRecord.h"
#include "MainFrame.h"
#include "NoteSelection.h"
#include "NotesListCtrl.h"
#include "QuillboxApp.h"
#include "QuillboxView.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTreeWidgetItem>

#include <memory>
#include <string>

struct SBenchWindow
{
    explicit SBenchWindow(const std::string& strFolder)
    {
        app = std::make_unique<CQuillboxApp>(exeDir.path().toStdString());
        app->InitInstance(false);
        frame = app->GetMainFrame();
        frame->resize(1280, 800);
        frame->show();
        view = frame->GetView();
        view->InsertFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{"Notes", strFolder}));
        folder = view->GetRootItem()->child(view->GetRootItem()->childCount() - 1);
    }

    // A click on the folder, until the list is painted.
    void Select()
    {
        view->setCurrentItem(folder);
        frame->GetNotesList()->GetActiveView()->viewport()->repaint();
        QCoreApplication::processEvents();
    }
    // Until the check of a folder listed from its index is done.
    void WaitForCheck()
    {
        while (frame->GetController()->GetNoteSelection().IsCheckingFolder())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    // Back to the root, once the folder's check is done.
    void Leave()
    {
        WaitForCheck();
        view->setCurrentItem(view->GetRootItem());
        QCoreApplication::processEvents();
    }

    QTemporaryDir exeDir;
    std::unique_ptr<CQuillboxApp> app;
    CMainFrame* frame = nullptr;
    CQuillboxView* view = nullptr;
    QTreeWidgetItem* folder = nullptr;
};
