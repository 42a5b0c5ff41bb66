// Today's facts in the windows: the markers and the summary of the main
// window, the Today window and its tray entry, and the sources in the About
// window.

#include "desktop/frmSysTray.h"
#include "mainwindow.h"
#include "ui/companions/frmAbout.h"
#include "ui/companions/frmToday.h"
#include "viewlogic/todaytexts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTableWidget>

using namespace orbilex;
using namespace orbilex::test;

namespace {

QList<QLabel *> shownMarkers(const MainWindow &m)
{
    QList<QLabel *> shown;
    for (const FieldRow &row : kFields)
        if (row.today.marker && m.get(row.today.marker)->isVisibleTo(m.window.get()))
            shown << m.get<QLabel>(row.today.marker);
    return shown;
}

} // namespace

class TestTodayUi : public QObject
{
    Q_OBJECT

private slots:
    void markersFollowTheSelection()
    {
        MainWindow m;
        m.open();
        m.selectNamed(QStringLiteral("Afghanistan"));
        const int afghanistan = m.country();
        auto *currency = m.get<QLabel>("lblCurrencyToday");
        QVERIFY(shownMarkers(m).contains(currency));
        QCOMPARE(currency->text(), QStringLiteral("today AFN"));
        QCOMPARE(currency->accessibleName(), QStringLiteral("ISO Currency Code today: AFN"));
        QCOMPARE(currency->toolTip(), today::sourceText(TodayField::Currency));
        QCOMPARE(currency->focusPolicy(), Qt::NoFocus);
        QCOMPARE(m.text("cmbCurrencyCode"), QStringLiteral("AFA"));
        QCOMPARE(shownMarkers(m).size(), today::changedCount(afghanistan));
        auto *summary = m.get<QLabel>("lblTodaySummary");
        QVERIFY(summary->isVisibleTo(m.window.get()));
        QCOMPARE(summary->text(), today::summaryText(afghanistan));

        m.selectNamed(QStringLiteral("Germany"));
        QVERIFY(shownMarkers(m).isEmpty());
        QVERIFY(!summary->isVisibleTo(m.window.get()));

        m.selectNamed(QStringLiteral("Serbia and Montenegro"));
        QCOMPARE(shownMarkers(m).size(), kTodayFieldCount);
        QCOMPARE(m.get<QLabel>("lblISO2Today")->text(), QStringLiteral("today RS, ME"));
    }

    void todayWindowFollowsAndCopies()
    {
        MainWindow m;
        m.open();
        m.selectNamed(QStringLiteral("Afghanistan"));
        auto *window = m.openCompanion<frmToday>("cmdToday", frmMain::CompanionKind::Today);
        auto *table = child<QTableWidget>(window, "grdToday");
        const auto todayOf = [&](const QString &field) {
            for (int r = 0; r < table->rowCount(); ++r)
                if (table->item(r, 0)->text() == field)
                    return table->item(r, 2)->text();
            return QString();
        };
        QCOMPARE(table->rowCount(), int(today::factRows(m.country()).size()));
        QCOMPARE(todayOf(QStringLiteral("ISO Currency Code")), QStringLiteral("AFN"));

        m.selectNamed(QStringLiteral("Serbia and Montenegro"));
        QCOMPARE(window->shownCountry(), m.country());
        QCOMPARE(todayOf(QStringLiteral("ISO Alpha-2 Code")), QStringLiteral("RS, ME"));
        QCOMPARE(child<QLabel>(window, "lblTodayNote")->text().section(u'\n', 0, 0), today::noteText(m.country()));

        child<QPushButton>(window, "cmdCopy")->click();
        QCOMPARE(QApplication::clipboard()->text(), today::copyText(m.country()));

        const int serbia = m.country();
        QTest::keyClick(table, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        // Closed, it no longer follows; shown again, it catches up.
        m.selectNamed(QStringLiteral("Afghanistan"));
        QCOMPARE(window->shownCountry(), serbia);
        m.click("cmdToday");
        QCOMPARE(window->shownCountry(), m.country());
    }

    void trayEntryOpensTheTodayWindow()
    {
        MainWindow m;
        m.open();
        for (QAction *entry : m.window->trayWindow()->menu().actions())
            if (entry->data().toString() == u"today")
                entry->trigger();
        auto *window = qobject_cast<frmToday *>(m.window->loadedCompanion(frmMain::CompanionKind::Today));
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->shownCountry(), m.country());
    }

    void aboutListsTheSourcesOfToday()
    {
        TestEnvironment te;
        QWidget owner;
        frmAbout about(te.env, owner, owner.cursor());
        auto *sources = child<QPlainTextEdit>(&about, "txtSources");
        QCOMPARE(sources->toPlainText().split(u'\n'), today::sourceLines());
    }
};

QTEST_MAIN(TestTodayUi)
#include "tst_todayui.moc"
