<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Quillbox</source>
        <translation>Über Quillbox</translation>
    </message>
    <message>
        <source>Quillbox icon</source>
        <translation>Quillbox-Symbol</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Support: support@orvantic.example</source>
        <translation>Unterstützung: support@orvantic.example</translation>
    </message>
    <message>
        <source>Web: https://orvantic.example/quillbox</source>
        <translation>Web: https://orvantic.example/quillbox</translation>
    </message>
</context>
<context>
    <name>CColourGridPopup</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Dark Olive Green</source>
        <translation>Dunkles Olivgrün</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>Dunkles Blaugrün</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Dark yellow</source>
        <translation>Dunkelgelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Blue-grey</source>
        <translation>Blaugrau</translation>
    </message>
    <message>
        <source>Grey - 40</source>
        <translation>Grau - 40</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Light orange</source>
        <translation>Hellorange</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limette</translation>
    </message>
    <message>
        <source>Sea green</source>
        <translation>Meergrün</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aquamarin</translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Grey - 50</source>
        <translation>Grau - 50</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Bright green</source>
        <translation>Leuchtgrün</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Skyblue</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Pflaume</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Altrosa</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Hellbraun</translation>
    </message>
    <message>
        <source>Light yellow</source>
        <translation>Hellgelb</translation>
    </message>
    <message>
        <source>Pale green </source>
        <translation>Blassgrün </translation>
    </message>
    <message>
        <source>Pale turquoise</source>
        <translation>Blasstürkis</translation>
    </message>
    <message>
        <source>Pale blue</source>
        <translation>Blassblau</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
</context>
<context>
    <name>CColourPicker</name>
    <message>
        <source>More Colours...</source>
        <translation>Weitere Farben...</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>CCommandController</name>
    <message>
        <source>&quot;%1&quot; is not available in this version of Quillbox.</source>
        <translation>„%1“ ist in dieser Version von Quillbox nicht verfügbar.</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>window title: folder, program</comment>
        <translation>%1 - %2</translation>
    </message>
</context>
<context>
    <name>CDetailPage</name>
    <message>
        <source>Detail</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Date value</source>
        <translation>Datumswert</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>CExportPdfDialog</name>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>(Venue, Date etc.,)</source>
        <translation>(Ort, Datum usw.)</translation>
    </message>
    <message>
        <source>Destination Path</source>
        <translation>Zielpfad</translation>
    </message>
    <message>
        <source>Choose the destination PDF file</source>
        <translation>Die PDF-Zieldatei wählen</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erzeugen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please Select the Desitnation PDF File to be saved.</source>
        <translation>Bitte wählen Sie die PDF-Zieldatei, die gespeichert werden soll.</translation>
    </message>
</context>
<context>
    <name>CFolderDialog</name>
    <message>
        <source>Select Directory Path </source>
        <translation>Verzeichnispfad wählen </translation>
    </message>
    <message>
        <source>Add / Update Folder</source>
        <translation>Ordner hinzufügen / ändern</translation>
    </message>
    <message>
        <source>Folder Name</source>
        <translation>Ordnername</translation>
    </message>
    <message>
        <source>Folder Path</source>
        <translation>Ordnerpfad</translation>
    </message>
    <message>
        <source>Browse for the folder path</source>
        <translation>Nach dem Ordnerpfad suchen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Folder Name &amp; Path cannot be Empty !</source>
        <translation>Ordnername und Pfad dürfen nicht leer sein!</translation>
    </message>
    <message>
        <source>Folder Name cannot be Empty !</source>
        <translation>Der Ordnername darf nicht leer sein!</translation>
    </message>
    <message>
        <source>Folder Path cannot be Empty !</source>
        <translation>Der Ordnerpfad darf nicht leer sein!</translation>
    </message>
</context>
<context>
    <name>CIconListCtrl</name>
    <message>
        <source>Select Icon</source>
        <translation>Symbol wählen</translation>
    </message>
</context>
<context>
    <name>CIconListModel</name>
    <message>
        <source>Icon %1</source>
        <translation>Symbol %1</translation>
    </message>
</context>
<context>
    <name>CIconPage</name>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Schlüsselwörter</translation>
    </message>
    <message>
        <source>Select Icon</source>
        <translation>Symbol wählen</translation>
    </message>
</context>
<context>
    <name>CImportDlgBase</name>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CImportNotesDlg</name>
    <message>
        <source>    Notes</source>
        <translation>    Notizen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Import Notes From OutLook</source>
        <translation>Notizen aus OutLook importieren</translation>
    </message>
</context>
<context>
    <name>CImportTasksDlg</name>
    <message>
        <source>    Tasks</source>
        <translation>    Aufgaben</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Import Task From OutLook</source>
        <translation>Aufgaben aus OutLook importieren</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>The folder list could not be saved to &quot;%1&quot;. The folders added, changed or removed in this session will be missing at the next start.</source>
        <translation>Die Ordnerliste konnte nicht in „%1“ gespeichert werden. Die in dieser Sitzung hinzugefügten, geänderten oder entfernten Ordner fehlen beim nächsten Start.</translation>
    </message>
</context>
<context>
    <name>CMainToolBar</name>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
</context>
<context>
    <name>CNoteSelection</name>
    <message>
        <source>The folder&apos;s directory %1 is missing.</source>
        <translation>Das Verzeichnis des Ordners %1 fehlt.</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged note file(s) in this folder could not be read and were left as they are.</source>
        <translation>
            <numerusform>%n beschädigte Notizdatei in diesem Ordner konnte nicht gelesen werden und blieb unverändert.</numerusform>
            <numerusform>%n beschädigte Notizdateien in diesem Ordner konnten nicht gelesen werden und blieben unverändert.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program. Both versions are kept: yours as &quot;%2&quot;.</source>
        <translation>„%1“ wurde von einem anderen Programm geändert. Beide Fassungen bleiben erhalten: Ihre als „%2“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was deleted by another program. Your version is kept as &quot;%2&quot;.</source>
        <translation>„%1“ wurde von einem anderen Programm gelöscht. Ihre Fassung bleibt als „%2“ erhalten.</translation>
    </message>
</context>
<context>
    <name>CNotesListBar</name>
    <message>
        <source>Notes List</source>
        <translation>Notizliste</translation>
    </message>
</context>
<context>
    <name>CNotesListCtrl</name>
    <message>
        <source>Notes List</source>
        <translation>Notizliste</translation>
    </message>
    <message>
        <source>Filter notes</source>
        <translation>Notizen filtern</translation>
    </message>
    <message>
        <source>Shows only the notes that contain the text typed here</source>
        <translation>Zeigt nur die Notizen, die den hier eingegebenen Text enthalten</translation>
    </message>
</context>
<context>
    <name>CNotesListModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>Sorted descending</source>
        <translation>Absteigend sortiert</translation>
    </message>
    <message>
        <source>Sorted ascending</source>
        <translation>Aufsteigend sortiert</translation>
    </message>
</context>
<context>
    <name>CNotesSheet</name>
    <message>
        <source>Detail</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig stellen</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Ohne Titel</translation>
    </message>
</context>
<context>
    <name>CNotesTextBar</name>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>CPreferencesDialog</name>
    <message>
        <source>Preference Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Priority Color</source>
        <translation>Prioritätsfarbe</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CPropertiesList</name>
    <message>
        <source>Comments          </source>
        <translation>Kommentare          </translation>
    </message>
    <message>
        <source>Date                 </source>
        <translation>Datum                 </translation>
    </message>
    <message>
        <source>Date Created     </source>
        <translation>Erstellt am     </translation>
    </message>
    <message>
        <source>Date Modified    </source>
        <translation>Geändert am    </translation>
    </message>
    <message>
        <source>Modify At          </source>
        <translation>Geändert auf          </translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>No note</source>
        <translation>Keine Notiz</translation>
    </message>
</context>
<context>
    <name>CQuillboxView</name>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>CSearchDlg</name>
    <message>
        <source>Search in Keyword only</source>
        <translation>Nur in Schlüsselwörtern suchen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find what</source>
        <translation>Suchen nach</translation>
    </message>
    <message>
        <source>Search in Folder</source>
        <translation>In Ordner suchen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>All folders</source>
        <translation>Alle Ordner</translation>
    </message>
</context>
<context>
    <name>CSearchResultsBar</name>
    <message>
        <source>Search Results</source>
        <translation>Suchergebnisse</translation>
    </message>
</context>
<context>
    <name>CSearchResultsList</name>
    <message>
        <source> * Search Results *   Name</source>
        <translation> * Suchergebnisse *   Name</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
</context>
<context>
    <name>CSearchResultsModel</name>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>CSizingControlBarG</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close %1</source>
        <translation>%1 schließen</translation>
    </message>
    <message>
        <source>Hides the %1 pane</source>
        <translation>Blendet den Bereich %1 aus</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Neuer Ordner</translation>
    </message>
    <message>
        <source>&amp;Modify Folder</source>
        <translation>Ordner &amp;ändern</translation>
    </message>
    <message>
        <source>&amp;Remove Folder</source>
        <translation>Ordner &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Add Note</source>
        <translation>Notiz &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Modif&amp;y Note</source>
        <translation>Notiz ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Delete Note</source>
        <translation>Notiz &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;All Details</source>
        <translation>&amp;Alle Details</translation>
    </message>
    <message>
        <source>&amp;Notes only</source>
        <translation>&amp;Nur Notiztext</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>&amp;Aufgabe</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Notizen</translation>
    </message>
    <message>
        <source>&amp;Portable Document Format (PDF)</source>
        <translation>&amp;Portable Document Format (PDF)</translation>
    </message>
    <message>
        <source>&amp;HTML</source>
        <translation>&amp;HTML</translation>
    </message>
    <message>
        <source>&amp;Tasks</source>
        <translation>&amp;Aufgaben</translation>
    </message>
    <message>
        <source>&amp;Text File</source>
        <translation>&amp;Textdatei</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>&amp;Detail Window</source>
        <translation>&amp;Detailfenster</translation>
    </message>
    <message>
        <source>&amp;Notes Window</source>
        <translation>&amp;Notizfenster</translation>
    </message>
    <message>
        <source>&amp;Summary Window</source>
        <translation>&amp;Übersichtsfenster</translation>
    </message>
    <message>
        <source>&amp;Search Results</source>
        <translation>Such&amp;ergebnisse</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>Deta&amp;ils</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Tiles</source>
        <translation>&amp;Kacheln</translation>
    </message>
    <message>
        <source>&amp;Icons</source>
        <translation>Sym&amp;bole</translation>
    </message>
    <message>
        <source>C&amp;ollapase All</source>
        <translation>Alle &amp;zuklappen</translation>
    </message>
    <message>
        <source>&amp;Expand All</source>
        <translation>Alle &amp;aufklappen</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;About Quillbox...</source>
        <translation>&amp;Info über Quillbox...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Ansichten</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Nächster Bereich</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Vorheriger Bereich</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>F&amp;older</source>
        <translation>&amp;Ordner</translation>
    </message>
    <message>
        <source>E&amp;xport to</source>
        <translation>E&amp;xportieren nach</translation>
    </message>
    <message>
        <source>MS &amp;Word</source>
        <translation>MS &amp;Word</translation>
    </message>
    <message>
        <source>MS &amp;Excel</source>
        <translation>MS &amp;Excel</translation>
    </message>
    <message>
        <source>MS &amp;Outlook</source>
        <translation>MS &amp;Outlook</translation>
    </message>
    <message>
        <source>&amp;Text Format</source>
        <translation>&amp;Textformat</translation>
    </message>
    <message>
        <source>&amp;Import from</source>
        <translation>&amp;Importieren aus</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Import From</source>
        <translation>&amp;Importieren aus</translation>
    </message>
    <message>
        <source>Outlook &amp;Tasks</source>
        <translation>Outlook-&amp;Aufgaben</translation>
    </message>
    <message>
        <source>Outlook &amp;Notes</source>
        <translation>Outlook-&amp;Notizen</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>As Outlook &amp;Task</source>
        <translation>Als Outlook-&amp;Aufgabe</translation>
    </message>
    <message>
        <source>As Outlook &amp;Notes</source>
        <translation>Als Outlook-&amp;Notiz</translation>
    </message>
    <message>
        <source>As MS &amp;Word</source>
        <translation>Als MS &amp;Word</translation>
    </message>
    <message>
        <source>As MS &amp;Excel</source>
        <translation>Als MS &amp;Excel</translation>
    </message>
    <message>
        <source>As Text &amp;File</source>
        <translation>Als Text&amp;datei</translation>
    </message>
    <message>
        <source>As &amp;Portable Document Format (PDF)</source>
        <translation>Als &amp;Portable Document Format (PDF)</translation>
    </message>
    <message>
        <source>To &amp;HTML</source>
        <translation>Als &amp;HTML</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
</context>
<context>
    <name>DesktopOpener</name>
    <message>
        <source>No program on this desktop opens &quot;%1&quot;; the file is there.</source>
        <translation>Kein Programm dieser Arbeitsumgebung öffnet „%1“; die Datei ist vorhanden.</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Text Files (*.txt);;All Files (*.*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>The export could not be written to &quot;%1&quot;.

%2</source>
        <translation>Der Export konnte nicht in „%1“ geschrieben werden.

%2</translation>
    </message>
    <message>
        <source>HTML Files (*.html)</source>
        <translation>HTML-Dateien (*.html)</translation>
    </message>
    <message>
        <source>Written to %1</source>
        <translation>Geschrieben nach %1</translation>
    </message>
    <message>
        <source>The text of &quot;%1&quot; was added to &quot;%2&quot;.</source>
        <translation>Der Text von &quot;%1&quot; wurde an &quot;%2&quot; angefügt.</translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>Add Note</source>
        <translation>Notiz hinzufügen</translation>
    </message>
    <message>
        <source>Modify Notes</source>
        <translation>Notiz ändern</translation>
    </message>
    <message>
        <source>The note goes to the trash, where a file manager can restore it.</source>
        <translation>Die Notiz kommt in den Papierkorb, aus dem ein Dateimanager sie wiederherstellen kann.</translation>
    </message>
    <message>
        <source>The note cannot be moved to the trash. Delete it for good? It cannot be restored.</source>
        <translation>Die Notiz kann nicht in den Papierkorb verschoben werden. Endgültig löschen? Sie kann dann nicht wiederhergestellt werden.</translation>
    </message>
</context>
<context>
    <name>OfficeCommands</name>
    <message>
        <source>%1 of the %2 chosen tasks were imported. %3</source>
        <translation>%1 der %2 gewählten Aufgaben wurden importiert. %3</translation>
    </message>
    <message>
        <source>The imported text could not be saved. %1</source>
        <translation>Der importierte Text konnte nicht gespeichert werden. %1</translation>
    </message>
    <message numerus="yes">
        <source>%n mail-client item(s) could not be read and were left as they are:</source>
        <translation>
            <numerusform>%n Eintrag des Mailprogramms konnte nicht gelesen werden und blieb unverändert:</numerusform>
            <numerusform>%n Einträge des Mailprogramms konnten nicht gelesen werden und blieben unverändert:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n task(s) imported as notes.</source>
        <translation>
            <numerusform>%n Aufgabe als Notiz importiert.</numerusform>
            <numerusform>%n Aufgaben als Notizen importiert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OfficeExports</name>
    <message>
        <source>Only the headless LibreOffice is installed here, which cannot show the document. Install the package libreoffice-gtk3 (or libreoffice-kf5) to have it shown.</source>
        <translation>Hier ist nur das LibreOffice ohne Oberfläche installiert, das das Dokument nicht zeigen kann. Installieren Sie das Paket libreoffice-gtk3 (oder libreoffice-kf5), damit es angezeigt wird.</translation>
    </message>
    <message>
        <source>The document is being opened in LibreOffice.</source>
        <translation>Das Dokument wird in LibreOffice geöffnet.</translation>
    </message>
</context>
<context>
    <name>SearchCommands</name>
    <message numerus="yes">
        <source>%n damaged note file(s) in the searched folder could not be read and were left as they are.</source>
        <translation>
            <numerusform>%n beschädigte Notizdatei im durchsuchten Ordner konnte nicht gelesen werden und blieb unverändert.</numerusform>
            <numerusform>%n beschädigte Notizdateien im durchsuchten Ordner konnten nicht gelesen werden und blieben unverändert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s) found.</source>
        <translation>
            <numerusform>%n Notiz gefunden.</numerusform>
            <numerusform>%n Notizen gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>The note &quot;%1&quot; is no longer in the folder &quot;%2&quot;.</source>
        <translation>Die Notiz &quot;%1&quot; ist nicht mehr im Ordner &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; of this result is no longer in the tree.</source>
        <translation>Der Ordner &quot;%1&quot; dieses Ergebnisses ist nicht mehr in der Baumansicht.</translation>
    </message>
</context>
<context>
    <name>WindowCommands</name>
    <message>
        <source>The help page &quot;%1&quot; could not be found.</source>
        <translation>Die Hilfeseite „%1“ wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>Are you sure want to delete this Notes?</source>
        <comment>61461</comment>
        <translation>Möchten Sie diese Notiz wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure want to remove the Folder &quot;%s&quot;?

Note: The folder will be removed from the application but the Quillbox files will NOT be deleted. Click &quot;Yes&quot; to continue.</source>
        <comment>61462</comment>
        <translation>Möchten Sie den Ordner „%s“ wirklich entfernen?

Hinweis: Der Ordner wird aus dem Programm entfernt, die Quillbox-Dateien werden aber NICHT gelöscht. Klicken Sie auf „Ja“, um fortzufahren.</translation>
    </message>
    <message>
        <source>Unable to save the Notes. The Folder might have been renamed or deleted. Please check whether the targer folder exists as set in the &quot;Folder Path&quot;.</source>
        <comment>61463</comment>
        <translation>Die Notiz konnte nicht gespeichert werden. Der Ordner wurde vielleicht umbenannt oder gelöscht. Bitte prüfen Sie, ob der Zielordner wie unter „Ordnerpfad“ angegeben vorhanden ist.</translation>
    </message>
    <message>
        <source>There was a problem exporting the document to MS Word</source>
        <comment>61450</comment>
        <translation>Beim Exportieren des Dokuments nach MS Word ist ein Problem aufgetreten</translation>
    </message>
    <message>
        <source>Unable to Initialize Outlook Automation.
CreateDispatch() failed w/error 0x%08lx
Please make sure MS Outlook is installed &amp; configured correctly in this PC.

You can continue using the Quillbox without Outlook Import/Export functionalities in this PC till you install MS Outlook.

</source>
        <comment>61451</comment>
        <translation>Die Outlook-Automatisierung konnte nicht gestartet werden.
CreateDispatch() schlug mit Fehler 0x%08lx fehl
Bitte stellen Sie sicher, dass MS Outlook auf diesem PC installiert und richtig eingerichtet ist.

Sie können Quillbox ohne den Outlook-Import und -Export auf diesem PC weiter verwenden, bis Sie MS Outlook installieren.

</translation>
    </message>
    <message>
        <source>There was a problem exporting the document to MS Excel</source>
        <comment>61452</comment>
        <translation>Beim Exportieren des Dokuments nach MS Excel ist ein Problem aufgetreten</translation>
    </message>
    <message>
        <source>&lt;HTML&gt;&lt;HEAD&gt;&lt;title&gt;Quillbox :: </source>
        <comment>61453</comment>
        <translation>&lt;HTML&gt;&lt;HEAD&gt;&lt;title&gt;Quillbox :: </translation>
    </message>
    <message>
        <source>&lt;/title&gt;&lt;/HEAD&gt;&lt;BODY&gt;&lt;table border=&quot;0&quot; cellpadding=&quot;0&quot; cellspacing=&quot;0&quot; style=&quot;border-collapse: collapse&quot; bordercolor=&quot;#111111&quot; width=&quot;100%&quot; id=&quot;AutoNumber1&quot;&gt;&lt;tr&gt;&lt;td width=&quot;100%&quot; colspan=&quot;3&quot; bgcolor=&quot;#C0C0C0&quot;&gt;&lt;p align=&quot;center&quot;&gt;&lt;b&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot; color=&quot;#000080&quot;&gt;</source>
        <comment>61454</comment>
        <translation>&lt;/title&gt;&lt;/HEAD&gt;&lt;BODY&gt;&lt;table border=&quot;0&quot; cellpadding=&quot;0&quot; cellspacing=&quot;0&quot; style=&quot;border-collapse: collapse&quot; bordercolor=&quot;#111111&quot; width=&quot;100%&quot; id=&quot;AutoNumber1&quot;&gt;&lt;tr&gt;&lt;td width=&quot;100%&quot; colspan=&quot;3&quot; bgcolor=&quot;#C0C0C0&quot;&gt;&lt;p align=&quot;center&quot;&gt;&lt;b&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot; color=&quot;#000080&quot;&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;/b&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td width=&quot;100%&quot; colspan=&quot;3&quot;&gt;&lt;p align=&quot;right&quot;&gt;&lt;i&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;</source>
        <comment>61455</comment>
        <translation>&lt;/font&gt;&lt;/b&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td width=&quot;100%&quot; colspan=&quot;3&quot;&gt;&lt;p align=&quot;right&quot;&gt;&lt;i&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;/i&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td width=&quot;18%&quot; align=&quot;right&quot;&gt;&lt;b&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;Priority&lt;/font&gt;&lt;/b&gt;&lt;/td&gt;&lt;td width=&quot;2%&quot;&gt;&amp;nbsp;&lt;/td&gt;&lt;td width=&quot;80%&quot;&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;</source>
        <comment>61456</comment>
        <translation>&lt;/font&gt;&lt;/i&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td width=&quot;18%&quot; align=&quot;right&quot;&gt;&lt;b&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;Priorität&lt;/font&gt;&lt;/b&gt;&lt;/td&gt;&lt;td width=&quot;2%&quot;&gt;&amp;nbsp;&lt;/td&gt;&lt;td width=&quot;80%&quot;&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td width=&quot;18%&quot; align=&quot;right&quot;&gt;&lt;b&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;Comments&lt;/font&gt;&lt;/b&gt;&lt;/td&gt;&lt;td width=&quot;2%&quot;&gt;&amp;nbsp;&lt;/td&gt;&lt;td width=&quot;80%&quot;&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;</source>
        <comment>61457</comment>
        <translation>&lt;/font&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td width=&quot;18%&quot; align=&quot;right&quot;&gt;&lt;b&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;Kommentare&lt;/font&gt;&lt;/b&gt;&lt;/td&gt;&lt;td width=&quot;2%&quot;&gt;&amp;nbsp;&lt;/td&gt;&lt;td width=&quot;80%&quot;&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td width=&quot;18%&quot; align=&quot;right&quot;&gt;&lt;b&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;Keyword(s)&lt;/font&gt;&lt;/b&gt;&lt;/td&gt;&lt;td width=&quot;2%&quot;&gt;&amp;nbsp;&lt;/td&gt;&lt;td width=&quot;80%&quot;&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;</source>
        <comment>61458</comment>
        <translation>&lt;/font&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td width=&quot;18%&quot; align=&quot;right&quot;&gt;&lt;b&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;Schlüsselwörter&lt;/font&gt;&lt;/b&gt;&lt;/td&gt;&lt;td width=&quot;2%&quot;&gt;&amp;nbsp;&lt;/td&gt;&lt;td width=&quot;80%&quot;&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;table border=&quot;0&quot; cellpadding=&quot;0&quot; cellspacing=&quot;0&quot; style=&quot;border-collapse: collapse&quot; bordercolor=&quot;#111111&quot; width=&quot;100%&quot; id=&quot;AutoNumber2&quot; height=&quot;53&quot;&gt;&lt;tr&gt;&lt;td width=&quot;100%&quot; height=&quot;19&quot; bgcolor=&quot;#77C9FF&quot;&gt;&lt;p align=&quot;center&quot;&gt;&lt;b&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;Notes&lt;/font&gt;&lt;/b&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td width=&quot;100%&quot; height=&quot;33&quot; bgcolor=&quot;#FFFF99&quot; valign=&quot;top&quot;&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;</source>
        <comment>61459</comment>
        <translation>&lt;/font&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;table border=&quot;0&quot; cellpadding=&quot;0&quot; cellspacing=&quot;0&quot; style=&quot;border-collapse: collapse&quot; bordercolor=&quot;#111111&quot; width=&quot;100%&quot; id=&quot;AutoNumber2&quot; height=&quot;53&quot;&gt;&lt;tr&gt;&lt;td width=&quot;100%&quot; height=&quot;19&quot; bgcolor=&quot;#77C9FF&quot;&gt;&lt;p align=&quot;center&quot;&gt;&lt;b&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;Notizen&lt;/font&gt;&lt;/b&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td width=&quot;100%&quot; height=&quot;33&quot; bgcolor=&quot;#FFFF99&quot; valign=&quot;top&quot;&gt;&lt;font face=&quot;Verdana&quot; size=&quot;2&quot;&gt;</translation>
    </message>
    <message>
        <source>&lt;/font&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/BODY&gt;&lt;/HTML&gt;</source>
        <comment>61460</comment>
        <translation>&lt;/font&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/BODY&gt;&lt;/HTML&gt;</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <comment>57665</comment>
        <translation>Beendet das Programm
Beenden</translation>
    </message>
    <message>
        <source>Find the Specified text
Find (Ctrl+F)</source>
        <comment>32811</comment>
        <translation>Sucht den angegebenen Text
Suchen (Strg+F)</translation>
    </message>
    <message>
        <source>Create New Folder 
 New Folder (Ctrl+I)</source>
        <comment>32771</comment>
        <translation>Erstellt einen neuen Ordner
Neuer Ordner (Strg+I)</translation>
    </message>
    <message>
        <source>Modify Folder 
 Modify Folder (Ctrl+M)</source>
        <comment>32772</comment>
        <translation>Ändert den Ordner
Ordner ändern (Strg+M)</translation>
    </message>
    <message>
        <source>Remove Folder 
Remove Folder (Ctrl+R)</source>
        <comment>32773</comment>
        <translation>Entfernt den Ordner
Ordner entfernen (Strg+R)</translation>
    </message>
    <message>
        <source>Add New Notes
Add Notes (Ctrl+N)</source>
        <comment>32774</comment>
        <translation>Fügt eine neue Notiz hinzu
Notiz hinzufügen (Strg+N)</translation>
    </message>
    <message>
        <source>Modify Notes 
Modify Notes (Ctrl+Y)</source>
        <comment>32775</comment>
        <translation>Ändert die Notiz
Notiz ändern (Strg+Y)</translation>
    </message>
    <message>
        <source>Delete Notes Record
Delete Notes (Ctrl+D)</source>
        <comment>32777</comment>
        <translation>Löscht die Notiz
Notiz löschen (Strg+D)</translation>
    </message>
    <message>
        <source>Show or Hide the ToolBar
Toggle ToolBar</source>
        <comment>59392</comment>
        <translation>Blendet die Symbolleiste ein oder aus
Symbolleiste ein/aus</translation>
    </message>
    <message>
        <source>Show or Hide the Status Bar
Toggle StatusBar</source>
        <comment>59393</comment>
        <translation>Blendet die Statusleiste ein oder aus
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>Show or Hide the Detail Window
Detail Window (Alt+0)</source>
        <comment>32780</comment>
        <translation>Blendet das Detailfenster ein oder aus
Detailfenster (Alt+0)</translation>
    </message>
    <message>
        <source>Show or Hide the Notes Window
Notes Window (Alt+1)</source>
        <comment>32778</comment>
        <translation>Blendet das Notizfenster ein oder aus
Notizfenster (Alt+1)</translation>
    </message>
    <message>
        <source>Show or Hide the Summary Window
Summary Window (Alt+2)</source>
        <comment>32788</comment>
        <translation>Blendet das Übersichtsfenster ein oder aus
Übersichtsfenster (Alt+2)</translation>
    </message>
    <message>
        <source>Latest Search Results
Search Results (Alt+3)</source>
        <comment>32813</comment>
        <translation>Letzte Suchergebnisse
Suchergebnisse (Alt+3)</translation>
    </message>
    <message>
        <source>Displays Information about all Notes 
 Detail View (Ctrl+1)</source>
        <comment>32783</comment>
        <translation>Zeigt Angaben zu allen Notizen
Detailansicht (Strg+1)</translation>
    </message>
    <message>
        <source>Displays Items in a List View
 List View (Ctrl+2)</source>
        <comment>32784</comment>
        <translation>Zeigt die Einträge als Liste
Listenansicht (Strg+2)</translation>
    </message>
    <message>
        <source>Displays Items by in Tiles View
 Tiles View (Ctrl+3)</source>
        <comment>32786</comment>
        <translation>Zeigt die Einträge als Kacheln
Kachelansicht (Strg+3)</translation>
    </message>
    <message>
        <source>Displays Items by using Icon View 
Icon View (Ctrl+4)</source>
        <comment>32787</comment>
        <translation>Zeigt die Einträge als Symbole
Symbolansicht (Strg+4)</translation>
    </message>
    <message>
        <source>Collapses the Folder View 
 Collapse All (Ctrl+O)</source>
        <comment>32789</comment>
        <translation>Klappt die Ordneransicht zu
Alle zuklappen (Strg+O)</translation>
    </message>
    <message>
        <source>Expands the Folder View
 Expand All (Ctrl+E)</source>
        <comment>32790</comment>
        <translation>Klappt die Ordneransicht auf
Alle aufklappen (Strg+E)</translation>
    </message>
    <message>
        <source>Show Preference settings
Preferences	Ctrl+Alt+P</source>
        <comment>32817</comment>
        <translation>Zeigt die Einstellungen
Einstellungen	Strg+Alt+P</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <comment>57664</comment>
        <translation>Zeigt Programminformationen, Versionsnummer und Copyright
Info</translation>
    </message>
    <message>
        <source>Displays Help Document
Help</source>
        <comment>32838</comment>
        <translation>Zeigt die Hilfe
Hilfe</translation>
    </message>
    <message>
        <source>List View Styles
 Views</source>
        <comment>32803</comment>
        <translation>Ansichten der Liste
Ansichten</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <comment>57680</comment>
        <translation>Wechselt zum nächsten Fensterbereich
Nächster Bereich</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <comment>57681</comment>
        <translation>Wechselt zum vorherigen Fensterbereich
Vorheriger Bereich</translation>
    </message>
    <message>
        <source>Details</source>
        <comment>61446</comment>
        <translation>Details</translation>
    </message>
    <message>
        <source>Add Notes Details</source>
        <comment>61447</comment>
        <translation>Details der Notiz eingeben</translation>
    </message>
    <message>
        <source>Icon</source>
        <comment>61448</comment>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Add your Comments, Keywords &amp; Icon for this Note</source>
        <comment>61449</comment>
        <translation>Kommentare, Schlüsselwörter und Symbol dieser Notiz eingeben</translation>
    </message>
    <message>
        <source>Undo the last change of the text
Undo</source>
        <comment>57643</comment>
        <translation>Die letzte Änderung am Text rückgängig machen
Rückgängig</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <comment>57644</comment>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederherstellen
Wiederherstellen</translation>
    </message>
    <message>
        <source>Cut the selected text to the clipboard
Cut</source>
        <comment>57635</comment>
        <translation>Den markierten Text in die Zwischenablage ausschneiden
Ausschneiden</translation>
    </message>
    <message>
        <source>Copy the selected text to the clipboard
Copy</source>
        <comment>57634</comment>
        <translation>Den markierten Text in die Zwischenablage kopieren
Kopieren</translation>
    </message>
    <message>
        <source>Insert the clipboard&apos;s text
Paste</source>
        <comment>57637</comment>
        <translation>Den Text der Zwischenablage einfügen
Einfügen</translation>
    </message>
    <message>
        <source>Select the whole text
Select All</source>
        <comment>57642</comment>
        <translation>Den ganzen Text markieren
Alles markieren</translation>
    </message>
</context>
</TS>
