#include "AppContext.h"
#include "AutomationRegistry.h"
#include "ImportNotesDlg.h"
#include "ImportTasksDlg.h"
#include "MailServer.h"
#include "MailClientSettings.h"
#include "OutlookConnection.h"
#include "DocumentOpener.h"
#include "AutomationReport.h"
#include "ThemeColours.h"
#include "../office/OfficeTestUtil.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
void WriteItem(const QString& strPath, const QByteArray& inner)
{
    QFile f(strPath);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//Test//EN\r\n" + inner + "END:VCALENDAR\r\n");
}

// A mail client over two vdir folders holding a few tasks and notes, in an
// order other than the lists'.
struct SMailClient
{
    QTemporaryDir dir;
    CRecordingOpener opener;
    CCapturingReporter reporter;
    CAutomationRegistry registry;
    COutlookConnection outlook;

    SMailClient()
    {
        const SMailClientFolders folders{(dir.path() + "/tasks").toStdString(), (dir.path() + "/notes").toStdString()};
        registry.Register("Outlook.Application", [this, folders] { return CreateMailServer(folders, opener); });
        outlook.Open(registry, reporter);
        const QString t = dir.path() + "/tasks/", n = dir.path() + "/notes/";
        WriteItem(t + "1.ics", "BEGIN:VTODO\r\nUID:1\r\nSUMMARY:Renew the passport\r\nPRIORITY:1\r\n"
                               "DTSTART;VALUE=DATE:20261224\r\nEND:VTODO\r\n");
        WriteItem(t + "2.ics", "BEGIN:VTODO\r\nUID:2\r\nSUMMARY:buy stamps\r\nPRIORITY:9\r\nEND:VTODO\r\n");
        WriteItem(t + "3.ics", "BEGIN:VTODO\r\nUID:3\r\nSUMMARY:Call the plumber\r\nPRIORITY:5\r\nEND:VTODO\r\n");
        WriteItem(t + "4.ics", "BEGIN:VTODO\r\nUID:4\r\nSUMMARY:Water the plants\r\nEND:VTODO\r\n");
        WriteItem(n + "1.ics", "BEGIN:VJOURNAL\r\nUID:a\r\nDESCRIPTION:Wi-Fi password\\n  is on the router\r\n"
                               "END:VJOURNAL\r\n");
        WriteItem(n + "2.ics", "BEGIN:VJOURNAL\r\nUID:b\r\nDESCRIPTION:Book list: Dune\\, Emma\r\nEND:VJOURNAL\r\n");
        WriteItem(n + "3.ics", "BEGIN:VJOURNAL\r\nUID:c\r\nDESCRIPTION:\r\nEND:VJOURNAL\r\n");
    }
};

QStringList RowTexts(const QAbstractItemModel* pModel)
{
    QStringList out;
    for (int r = 0; r < pModel->rowCount(); ++r)
        out << pModel->index(r, 0).data().toString();
    return out;
}

void Tick(QAbstractItemModel* pModel, int nRow)
{
    QVERIFY(pModel->setData(pModel->index(nRow, 0), Qt::Checked, Qt::CheckStateRole));
}
} // namespace

class TestImportDialogs : public QObject
{
    Q_OBJECT

private slots:
    void notesDialog();
    void tasksDialog();
    void execFillsAndCancelFrees();
    void listingRunsBesideTheWindow();
};

void TestImportDialogs::notesDialog()
{
    SMailClient mail;
    CImportNotesDlg dlg(mail.outlook);
    dlg.OnInitDialog();
    QTRY_COMPARE(dlg.GetList()->model()->rowCount(), 3);
    QAbstractItemModel* pModel = dlg.GetList()->model();
    QAbstractItemModelTester tester(pModel, QAbstractItemModelTester::FailureReportingMode::QtTest);

    // Sorted by text; line breaks shown as blanks.
    QCOMPARE(RowTexts(pModel), (QStringList{"", "Book list: Dune, Emma", "Wi-Fi password   is on the router"}));

    // Ticking makes the row bold; the keyboard ticks too.
    QCOMPARE(pModel->index(2, 0).data(Qt::FontRole).value<QFont>().weight(), QFont::Normal);
    Tick(pModel, 2);
    QCOMPARE(pModel->index(2, 0).data(Qt::FontRole).value<QFont>().weight(), QFont::Bold);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    dlg.GetList()->setFocus();
    dlg.GetList()->setCurrentIndex(pModel->index(0, 0));
    QTest::keyClick(dlg.GetList(), Qt::Key_Space);
    QCOMPARE(pModel->index(0, 0).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);

    // Import: the ticked rows' texts in row order, line breaks kept; the rows are gone.
    QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("Import")), Qt::LeftButton);
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.m_listChosen, (std::vector<std::string>{"", "Wi-Fi password\r\n  is on the router"}));
    QCOMPARE(pModel->rowCount(), 0);
}

void TestImportDialogs::tasksDialog()
{
    SMailClient mail;
    CAppContext app(mail.dir.path().toStdString());
    app.m_clrLowPriority = 0x00C0C0C0;
    app.m_clrMediumPriority = 0x00000000;
    app.m_clrHighPriority = 0x000000FF;
    CImportTasksDlg dlg(mail.outlook, app);
    dlg.OnInitDialog();
    QTRY_COMPARE(dlg.GetList()->model()->rowCount(), 4);
    QAbstractItemModel* pModel = dlg.GetList()->model();
    QAbstractItemModelTester tester(pModel, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(RowTexts(pModel),
             (QStringList{"buy stamps", "Call the plumber", "Renew the passport", "Water the plants"}));
    // Text in the priority's colour (red in the low byte), on white; the
    // light grey is darkened only as far as it takes to be read.
    const auto colour = [&](int r) { return pModel->index(r, 0).data(Qt::ForegroundRole).value<QColor>(); };
    const QColor clrLow = colour(0);
    QVERIFY(clrLow.red() == clrLow.green() && clrLow.green() == clrLow.blue() && clrLow.red() > 100);
    QVERIFY(ThemeColours::Contrast(clrLow, Qt::white) >= ThemeColours::dMinContrast);
    const QColor clrHigh = colour(2);
    QVERIFY(clrHigh.red() > 200 && clrHigh.green() == 0 && clrHigh.blue() == 0);

    Tick(pModel, 3);
    Tick(pModel, 2);
    dlg.accept();
    QCOMPARE(dlg.m_listChosen.size(), size_t(2));
    QCOMPARE(dlg.m_listChosen[0].m_strSubject, std::string("Renew the passport"));
    QCOMPARE(dlg.m_listChosen[0].m_bHasDate, 1);
    QCOMPARE(dlg.m_listChosen[0].m_nPriority, 2);
    QCOMPARE(dlg.m_listChosen[1].m_strSubject, std::string("Water the plants"));
    QCOMPARE(dlg.m_listChosen[1].m_bHasDate, 0);
    QCOMPARE(dlg.m_listChosen[1].m_nPriority, 1);
}

// exec lists the items and names what it passed over (a file of something
// else, a pipe); Escape frees the rows and chooses nothing.
void TestImportDialogs::execFillsAndCancelFrees()
{
    SMailClient mail;
    const QString n = mail.dir.path() + "/notes/";
    const QByteArray fifo = QFile::encodeName(mail.dir.path() + "/fifo");
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    QCOMPARE(::symlink(fifo.constData(), QFile::encodeName(n + "pipe.ics").constData()), 0);
    WriteItem(n + "junk.ics", "no journal here\r\n");
    CImportNotesDlg dlg(mail.outlook);
    int nRowsSeen = -1;
    QTimer::singleShot(0, &dlg, [&] {
        QTRY_VERIFY(!dlg.IsListing());
        QTRY_VERIFY(dlg.GetList()->model()->rowCount() > 0);
        nRowsSeen = dlg.GetList()->model()->rowCount();
        Tick(dlg.GetList()->model(), 0);
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    QCOMPARE(dlg.exec(), int(QDialog::Rejected));
    QCOMPARE(nRowsSeen, 3);
    QCOMPARE(dlg.GetSkipped().size(), size_t(2));
    QVERIFY(QString::fromStdString(dlg.GetSkipped()[0]).contains(n + "junk.ics"));
    QVERIFY(QString::fromStdString(dlg.GetSkipped()[1]).contains(n + "pipe.ics"));
    QVERIFY(dlg.m_listChosen.empty());
    QCOMPARE(dlg.GetList()->model()->rowCount(), 0);
    QVERIFY(!QApplication::overrideCursor());
}

// The list is read on a worker: the dialog answers while a slow folder is
// listed, and can be left meanwhile.
void TestImportDialogs::listingRunsBesideTheWindow()
{
    SMailClient mail;
    const QString n = mail.dir.path() + "/notes/";
    // Items large enough to take a while, each still under the cap.
    const QByteArray description((900 << 10), 'x');
    for (int i = 0; i < 20; ++i)
        WriteItem(n + QStringLiteral("big%1.ics").arg(i),
                  "BEGIN:VJOURNAL\r\nDESCRIPTION:" + description + "\r\nEND:VJOURNAL\r\n");
    bool bAnsweredWhileListing = false;
    {
        CImportNotesDlg dlg(mail.outlook);
        QTimer::singleShot(0, &dlg, [&] {
            bAnsweredWhileListing = dlg.IsListing();
            QVERIFY(!dlg.findChild<QPushButton*>(QStringLiteral("Import"))->isEnabled());
            QTest::keyClick(&dlg, Qt::Key_Escape);
        });
        QCOMPARE(dlg.exec(), int(QDialog::Rejected));
        QVERIFY(dlg.m_listChosen.empty());
    }
    QVERIFY(bAnsweredWhileListing);
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Orvantic");
    QApplication::setApplicationName("Quillbox");
    QStandardPaths::setTestModeEnabled(true);
    TestImportDialogs test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestImportDialogs.moc"
