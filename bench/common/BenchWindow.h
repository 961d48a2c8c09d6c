#pragma once

// The program's main window for benchmarks that drive it: a fresh
// application in a folder of its own, shown, a folder of notes registered
// last in the tree (not selected). For targets that link the shell.
#include "FolderRecord.h"
#include "MainFrame.h"
#include "QuillboxApp.h"
#include "QuillboxView.h"

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

    QTemporaryDir exeDir;
    std::unique_ptr<CQuillboxApp> app;
    CMainFrame* frame = nullptr;
    CQuillboxView* view = nullptr;
    QTreeWidgetItem* folder = nullptr;
};
