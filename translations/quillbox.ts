<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Quillbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillbox icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support: support@orvantic.example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web: https://orvantic.example/quillbox</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CColourGridPopup</name>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark Olive Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue-grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grey - 40</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sea green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Violet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grey - 50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bright green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skyblue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pale green </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pale turquoise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pale blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colours</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CColourPicker</name>
    <message>
        <source>More Colours...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCommandController</name>
    <message>
        <source>%1 - %2</source>
        <comment>window title: folder, program</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not available in this version of Quillbox.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDetailPage</name>
    <message>
        <source>Detail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CExportPdfDialog</name>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Venue, Date etc.,)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the destination PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select the Desitnation PDF File to be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFolderDialog</name>
    <message>
        <source>Select Directory Path </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add / Update Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for the folder path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder Name &amp; Path cannot be Empty !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder Name cannot be Empty !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder Path cannot be Empty !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CIconListCtrl</name>
    <message>
        <source>Select Icon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CIconListModel</name>
    <message>
        <source>Icon %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CIconPage</name>
    <message>
        <source>Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Icon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CImportDlgBase</name>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CImportNotesDlg</name>
    <message>
        <source>    Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Notes From OutLook</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CImportTasksDlg</name>
    <message>
        <source>    Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Task From OutLook</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder list could not be saved to &quot;%1&quot;. The folders added, changed or removed in this session will be missing at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainToolBar</name>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CNoteSelection</name>
    <message>
        <source>&quot;%1&quot; was changed by another program. Both versions are kept: yours as &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was deleted by another program. Your version is kept as &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder&apos;s directory %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n damaged note file(s) in this folder could not be read and were left as they are.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CNotesListBar</name>
    <message>
        <source>Notes List</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CNotesListCtrl</name>
    <message>
        <source>Notes List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows only the notes that contain the text typed here</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CNotesListModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorted descending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorted ascending</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CNotesSheet</name>
    <message>
        <source>Detail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CNotesTextBar</name>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPreferencesDialog</name>
    <message>
        <source>Preference Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPropertiesList</name>
    <message>
        <source>Comments          </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date                 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Created     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Modified    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify At          </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No note</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CQuillboxView</name>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSearchDlg</name>
    <message>
        <source>Search in Keyword only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find what</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search in Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSearchResultsBar</name>
    <message>
        <source>Search Results</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSearchResultsList</name>
    <message>
        <source> * Search Results *   Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSearchResultsModel</name>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSizingControlBarG</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hides the %1 pane</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modify Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modif&amp;y Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Notes only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Portable Document Format (PDF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Text File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Detail Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Notes Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Summary Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ollapase All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Expand All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Quillbox...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Views</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;older</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MS &amp;Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MS &amp;Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MS &amp;Outlook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Text Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outlook &amp;Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outlook &amp;Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Outlook &amp;Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Outlook &amp;Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As MS &amp;Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As MS &amp;Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Text &amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As &amp;Portable Document Format (PDF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To &amp;HTML</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopOpener</name>
    <message>
        <source>No program on this desktop opens &quot;%1&quot;; the file is there.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Text Files (*.txt);;All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The export could not be written to &quot;%1&quot;.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text of &quot;%1&quot; was added to &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML Files (*.html)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>Add Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The note goes to the trash, where a file manager can restore it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The note cannot be moved to the trash. Delete it for good? It cannot be restored.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OfficeCommands</name>
    <message numerus="yes">
        <source>%n mail-client item(s) could not be read and were left as they are:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n task(s) imported as notes.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of the %2 chosen tasks were imported. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The imported text could not be saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OfficeExports</name>
    <message>
        <source>Only the headless LibreOffice is installed here, which cannot show the document. Install the package libreoffice-gtk3 (or libreoffice-kf5) to have it shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document is being opened in LibreOffice.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchCommands</name>
    <message numerus="yes">
        <source>%n note(s) found.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n damaged note file(s) in the searched folder could not be read and were left as they are.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; is no longer in the folder &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; of this result is no longer in the tree.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowCommands</name>
    <message>
        <source>The help page &quot;%1&quot; could not be found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>Are you sure want to delete this Notes?</source>
        <comment>61461</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure want to remove the Folder &quot;%s&quot;?

Note: The folder will be removed from the application but the Quillbox files will NOT be deleted. Click &quot;Yes&quot; to continue.</source>
        <comment>61462</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save the Notes. The Folder might have been renamed or deleted. Please check whether the targer folder exists as set in the &quot;Folder Path&quot;.</source>
        <comment>61463</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was a problem exporting the document to MS Word</source>
        <comment>61450</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to Initialize Outlook Automation.
CreateDispatch() failed w/error 0x%08lx
Please make sure MS Outlook is installed &amp; configured correctly in this PC.

You can continue using the Quillbox without Outlook Import/Export functionalities in this PC till you install MS Outlook.

</source>
        <comment>61451</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was a problem exporting the document to MS Excel</source>
        <comment>61452</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;HTML&gt;&lt;HEAD&gt;&lt;title&gt;Quillbox :: </source>
        <comment>61453</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;/title&gt;&lt;/HEAD&gt;&lt;BODY&gt;&lt;table border=&quot;0&quot; cellpadding=&quot;0&quot; cellspacing=&quot;0&quot; style=&quot;border-collapse: collapse&quot; bordercolor=&quot;#111111&quot; width=&quot;100%&quot; id=&quot;AutoNumber1&quot;&gt;&lt;tr&gt;&lt;td width=&quot;100%&quot; colspan=&quot;3&quot; bgcolor=&quot;#C0C0C0&quot;&gt;&lt;p align=&quot;center&quot;&gt;&lt;b&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot; color=&quot;#000080&quot;&gt;</source>
        <comment>61454</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;/b&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td width=&quot;100%&quot; colspan=&quot;3&quot;&gt;&lt;p align=&quot;right&quot;&gt;&lt;i&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;</source>
        <comment>61455</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;/i&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td width=&quot;18%&quot; align=&quot;right&quot;&gt;&lt;b&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;Priority&lt;/font&gt;&lt;/b&gt;&lt;/td&gt;&lt;td width=&quot;2%&quot;&gt;&amp;nbsp;&lt;/td&gt;&lt;td width=&quot;80%&quot;&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;</source>
        <comment>61456</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td width=&quot;18%&quot; align=&quot;right&quot;&gt;&lt;b&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;Comments&lt;/font&gt;&lt;/b&gt;&lt;/td&gt;&lt;td width=&quot;2%&quot;&gt;&amp;nbsp;&lt;/td&gt;&lt;td width=&quot;80%&quot;&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;</source>
        <comment>61457</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td width=&quot;18%&quot; align=&quot;right&quot;&gt;&lt;b&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;Keyword(s)&lt;/font&gt;&lt;/b&gt;&lt;/td&gt;&lt;td width=&quot;2%&quot;&gt;&amp;nbsp;&lt;/td&gt;&lt;td width=&quot;80%&quot;&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;</source>
        <comment>61458</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;table border=&quot;0&quot; cellpadding=&quot;0&quot; cellspacing=&quot;0&quot; style=&quot;border-collapse: collapse&quot; bordercolor=&quot;#111111&quot; width=&quot;100%&quot; id=&quot;AutoNumber2&quot; height=&quot;53&quot;&gt;&lt;tr&gt;&lt;td width=&quot;100%&quot; height=&quot;19&quot; bgcolor=&quot;#77C9FF&quot;&gt;&lt;p align=&quot;center&quot;&gt;&lt;b&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;Notes&lt;/font&gt;&lt;/b&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td width=&quot;100%&quot; height=&quot;33&quot; bgcolor=&quot;#FFFF99&quot; valign=&quot;top&quot;&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;</source>
        <comment>61459</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/BODY&gt;&lt;/HTML&gt;</source>
        <comment>61460</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <comment>57665</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the Specified text
Find (Ctrl+F)</source>
        <comment>32811</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create New Folder 
 New Folder (Ctrl+I)</source>
        <comment>32771</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Folder 
 Modify Folder (Ctrl+M)</source>
        <comment>32772</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Folder 
Remove Folder (Ctrl+R)</source>
        <comment>32773</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New Notes
Add Notes (Ctrl+N)</source>
        <comment>32774</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Notes 
Modify Notes (Ctrl+Y)</source>
        <comment>32775</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Notes Record
Delete Notes (Ctrl+D)</source>
        <comment>32777</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or Hide the ToolBar
Toggle ToolBar</source>
        <comment>59392</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or Hide the Status Bar
Toggle StatusBar</source>
        <comment>59393</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or Hide the Detail Window
Detail Window (Alt+0)</source>
        <comment>32780</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or Hide the Notes Window
Notes Window (Alt+1)</source>
        <comment>32778</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or Hide the Summary Window
Summary Window (Alt+2)</source>
        <comment>32788</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latest Search Results
Search Results (Alt+3)</source>
        <comment>32813</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays Information about all Notes 
 Detail View (Ctrl+1)</source>
        <comment>32783</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays Items in a List View
 List View (Ctrl+2)</source>
        <comment>32784</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays Items by in Tiles View
 Tiles View (Ctrl+3)</source>
        <comment>32786</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays Items by using Icon View 
Icon View (Ctrl+4)</source>
        <comment>32787</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collapses the Folder View 
 Collapse All (Ctrl+O)</source>
        <comment>32789</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expands the Folder View
 Expand All (Ctrl+E)</source>
        <comment>32790</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Preference settings
Preferences	Ctrl+Alt+P</source>
        <comment>32817</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <comment>57664</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays Help Document
Help</source>
        <comment>32838</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List View Styles
 Views</source>
        <comment>32803</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <comment>57680</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <comment>57681</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last change of the text
Undo</source>
        <comment>57643</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <comment>57644</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut the selected text to the clipboard
Cut</source>
        <comment>57635</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selected text to the clipboard
Copy</source>
        <comment>57634</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert the clipboard&apos;s text
Paste</source>
        <comment>57637</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the whole text
Select All</source>
        <comment>57642</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <comment>61446</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Notes Details</source>
        <comment>61447</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon</source>
        <comment>61448</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add your Comments, Keywords &amp; Icon for this Note</source>
        <comment>61449</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
