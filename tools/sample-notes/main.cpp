// Fills a directory with the notes a new user finds in "Sample Notes".
// Usage: quillbox-sample-notes DIR

#include "AppContext.h"
#include "ErrorReporter.h"
#include "NoteRecord.h"
#include "NoteStore.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>

#include <iostream>
#include <string>
#include <vector>

namespace
{
class CStderrReporter : public IErrorReporter
{
public:
    void ReportError(const std::string& strMessage) override { std::cerr << strMessage << '\n'; }
};

struct SSample
{
    const char* pszTitle;
    const char* pszComments;
    const char* pszKeywords;
    const char* pszNotes;
    int nIcon;
    int nPriority;
    int nDaysAhead; // negative: no date
};

// Icons follow the strip's order of symbols: 12 bulb, 17 cart, 6 calendar,
// 11 book, 24 globe, 18 cup, 25 leaf.
const std::vector<SSample>& Samples()
{
    static const std::vector<SSample> samples = {
        {"Welcome to Quillbox", "Start here", "welcome, help",
         "Quillbox keeps short notes and tasks.\r\n"
         "The tree on the left holds your folders; each folder is a directory on disk.\r\n"
         "Pick a folder and its notes appear in the Notes List, one line per note.\r\n"
         "Select a note to read and edit its text in the Notes pane and see its properties.\r\n"
         "Give a note a date, a priority and keywords; search finds notes by their text or keywords.\r\n"
         "Export a note as text, HTML or PDF when you want to share or print it.",
         12, 1, -1},
        {"Shopping list", "Saturday market", "shopping, groceries",
         "Oat milk\r\nSourdough loaf\r\nSix free-range eggs\r\nTomatoes on the vine\r\nBasil\r\n"
         "Parmesan\r\nCoffee beans (medium roast)\r\nWashing-up liquid",
         17, 1, 2},
        {"Project kick-off meeting", "Room 3, 10:00", "meeting, work, planning",
         "Agenda:\r\n1. Goals for the quarter\r\n2. Who owns what\r\n3. First milestone and its date\r\n"
         "4. Risks\r\n\r\nBring the draft budget and last year's figures.",
         6, 2, 5},
        {"Books to read", "Recommendations from friends", "books, reading, fiction, history",
         "The Left Hand of Darkness - Ursula K. Le Guin\r\nMiddlemarch - George Eliot\r\n"
         "The Remains of the Day - Kazuo Ishiguro\r\nSPQR - Mary Beard\r\nThe Overstory - Richard Powers",
         11, 1, -1},
        {"Travel checklist", "Before any trip", "travel, packing",
         "Passport and tickets\r\nPhone charger and adapter\r\nToothbrush and toiletries\r\n"
         "Medicines\r\nA book for the journey\r\nWater the plants\r\nTake out the rubbish\r\n"
         "Lock the windows",
         24, 0, -1},
        {"Lentil soup", "Serves four, 40 minutes", "recipe, cooking, vegetarian",
         "1 onion, 2 carrots, 2 celery sticks, 2 cloves of garlic\r\n200 g red lentils\r\n"
         "1 tin of chopped tomatoes\r\n1 litre of vegetable stock\r\n1 tsp cumin, salt, pepper, lemon\r\n\r\n"
         "Soften the chopped vegetables in olive oil for ten minutes. Add the cumin, lentils, "
         "tomatoes and stock. Simmer for 25 minutes, season, and finish with a squeeze of lemon.",
         18, 1, -1},
        {"Garden jobs", "Weekend", "garden, home",
         "Sweep the leaves off the path\r\nCut back the lavender\r\nPlant the tulip bulbs\r\n"
         "Clean the bird feeder",
         25, 0, 9},
    };
    return samples;
}

bool HoldsNotes(const QDir& dir)
{
    return !dir.entryList({QStringLiteral("*.qbt")}, QDir::Files).isEmpty();
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication qapp(argc, argv);
    QCoreApplication::setOrganizationName("Orvantic");
    QCoreApplication::setApplicationName("Quillbox");
    if (argc != 2) {
        std::cerr << "usage: quillbox-sample-notes DIR\n";
        return 2;
    }

    const QString strDir = QString::fromLocal8Bit(argv[1]);
    QDir dir(strDir);
    // The parent must exist: a mistyped path should fail, not grow a tree.
    if (!dir.exists() && !QDir().mkdir(strDir)) {
        std::cerr << "quillbox-sample-notes: cannot create the directory \""
                  << QDir::toNativeSeparators(strDir).toStdString() << "\".\n";
        return 1;
    }
    // Rebuilding runs this again; a folder that already has notes is left as it is.
    if (HoldsNotes(dir))
        return 0;

    CStderrReporter reporter;
    CAppContext app(QCoreApplication::applicationDirPath().toStdString());
    CNoteStore store(app, &reporter);
    store.LoadFolder(QFileInfo(strDir).absoluteFilePath().toStdString());

    const QDate today = QDate::currentDate();
    std::vector<CNoteRecord> written;
    for (const SSample& s : Samples()) {
        CNoteRecord note;
        note.m_strTitle = s.pszTitle;
        note.m_strComments = s.pszComments;
        note.m_strKeywords = s.pszKeywords;
        note.m_strNotes = s.pszNotes;
        note.m_nIcon = s.nIcon;
        note.m_nPriority = s.nPriority;
        if (s.nDaysAhead >= 0) {
            const QDate d = today.addDays(s.nDaysAhead);
            note.m_dtDate = CDateTime::FromFields(d.year(), d.month(), d.day());
            note.m_bHasDate = 1;
        }
        const SStoreResult added = store.AddNote(note);
        note.m_strKey = added.strKey;
        if (!added) {
            // Half a sample folder would be taken as complete on the next run.
            for (const CNoteRecord& w : written)
                store.DeleteNote(w);
            std::cerr << "quillbox-sample-notes: cannot write the notes into \""
                      << QDir::toNativeSeparators(strDir).toStdString() << "\": " << added.strError << "\n";
            return 1;
        }
        written.push_back(note);
    }
    return 0;
}
