// The ISO 639 table and its window: the rows that are easy to get wrong, the
// three lists kept on one row by row (never by text), the copied text and the
// stored position.

#include "data/isolanguages.h"
#include "data/text.h"
#include "mainwindow.h"
#include "ui/companions/frmISOLang.h"

#include <QApplication>
#include <QClipboard>
#include <QRegularExpression>

using namespace orbilex;
using namespace orbilex::test;

namespace {

int rowNamed(std::string_view name)
{
    for (int i = 0; i < kIsoLanguageCount; ++i)
        if (kIsoLanguages[i].name == name)
            return i;
    return -1;
}

// The language window of a main window on a test environment, opened with the
// main window's button.
struct IsoWindow {
    MainWindow m;
    frmISOLang *window = nullptr;

    void open() { window = m.openCompanion<frmISOLang>("cmdISOLang", frmMain::CompanionKind::IsoLanguages); }

    template<typename T = QWidget> T *get(const char *name) const { return child<T>(window, name); }
    QListWidget *items(const char *list) const { return get<OpenList>(list)->items(); }

    // A click on the row as a user makes it, scrolled into view first.
    void choose(const char *list, int row) const
    {
        QListWidget *view = items(list);
        QListWidgetItem *item = view->item(row);
        view->scrollToItem(item);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(item).center());
    }

    QStringList shown() const
    {
        return {get<QLabel>("lblThree")->text(), get<QLabel>("lblTwo")->text(), get<QLineEdit>("txtLangName")->text()};
    }
    QList<int> rows() const
    {
        return {items("cmbThree")->currentRow(), items("cmbTwo")->currentRow(), items("cmbLang")->currentRow()};
    }
    QString copied() const
    {
        QApplication::clipboard()->clear();
        get<QPushButton>("cmdCopy")->click();
        return QApplication::clipboard()->text();
    }
};

} // namespace

class TestIsoLang : public QObject
{
    Q_OBJECT
private slots:
    void tableHoldsTheCodesInTheirForms()
    {
        QCOMPARE(kIsoLanguages.size(), std::size_t(404));
        const QRegularExpression three(QStringLiteral("^([a-z]{3}(/[a-z]{3})?|-)$"));
        const QRegularExpression two(QStringLiteral("^([a-z]{2}|-)$"));
        QStringList pairs, noThree, otherTwo, names;
        for (const IsoLanguage &row : kIsoLanguages) {
            const QString name = qs(row.name);
            QVERIFY2(three.match(qs(row.alpha3)).hasMatch(), row.name.data());
            QVERIFY2(!name.isEmpty() && name == name.trimmed(), row.name.data());
            names << name;
            if (row.alpha3.find('/') != std::string_view::npos)
                pairs << name;
            if (row.alpha3 == "-")
                noThree << name;
            if (!two.match(qs(row.alpha2)).hasMatch())
                otherTwo << name + u'=' + qs(row.alpha2);
        }
        QCOMPARE(names.removeDuplicates(), 0);
        QCOMPARE(pairs,
            QStringList({"Albanian", "Armenian", "Basque", "Burmese", "Chinese", "Czech", "Dutch", "French", "(Scots)",
                "Georgian", "German", "Greek, Modern (1453-)", "Icelandic", "Irish", "Javanese", "Macedonian", "Malay",
                "Maori", "Persian (Farsi)", "Romanian", "Slovak", "Spanish", "Swedish", "Tibetan", "Welsh"}));
        QCOMPARE(noThree, QStringList({"Croatian", "Serbian"}));
        QCOMPARE(otherTwo, QStringList({"(Scots)=Gaeli", "Javanese=jv/jw"}));
    }

    void tellingRows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("alpha3");
        QTest::addColumn<QString>("alpha2");
        QTest::newRow("first") << "Abkhazian"
                               << "abk"
                               << "ab";
        QTest::newRow("French") << "French"
                                << "fra/fre"
                                << "fr";
        QTest::newRow("Albanian") << "Albanian"
                                  << "alb/sqi"
                                  << "sq";
        QTest::newRow("Breton") << "Breton"
                                << "bre"
                                << "be";
        QTest::newRow("Byelorussian") << "Byelorussian"
                                      << "bel"
                                      << "be";
        QTest::newRow("Javanese") << "Javanese"
                                  << "jav/jaw"
                                  << "jv/jw";
        QTest::newRow("Croatian") << "Croatian"
                                  << "-"
                                  << "hr";
        QTest::newRow("Serbian") << "Serbian"
                                 << "-"
                                 << "sr";
        QTest::newRow("Indo-European") << "Indo -European(Other)"
                                       << "ine"
                                       << "-";
        QTest::newRow("Interlingue") << "Interlingue"
                                     << "ine"
                                     << "ie";
        QTest::newRow("last") << "Zuni"
                              << "zun"
                              << "-";
    }
    void tellingRows()
    {
        QFETCH(QString, name);
        const int row = rowNamed(name.toStdString());
        QVERIFY(row >= 0);
        QFETCH(QString, alpha3);
        QFETCH(QString, alpha2);
        QCOMPARE(qs(kIsoLanguages[row].alpha3), alpha3);
        QCOMPARE(qs(kIsoLanguages[row].alpha2), alpha2);
    }

    void sharedCodesAndOrder()
    {
        QCOMPARE(kIsoLanguages[rowNamed("(Scots)")].alpha2, std::string_view("Gaeli"));
        QCOMPARE(kIsoLanguages[rowNamed("Siswant")].alpha3, std::string_view("ssw"));
        QCOMPARE(kIsoLanguages[rowNamed("Swazi")].alpha3, std::string_view("ssw"));
        // Where the table is not alphabetical.
        QCOMPARE(rowNamed("Croatian"), rowNamed("Cushitic (Other)") + 1);
        QCOMPARE(rowNamed("(Scots)"), rowNamed("Ga") + 1);
        QCOMPARE(rowNamed("Sudanese"), rowNamed("Sumerian") + 1);
        for (const char *name : {"Afro -Asiatic(Other)", "Rhaeto -Romance", "Ndebele , North", "Norse , Old",
                 "Langue d 'Oc (post 1500)", "Volapnk"})
            QVERIFY2(rowNamed(name) >= 0, name);
    }

    void loadFillsTheListsAndShowsRowZero()
    {
        IsoWindow w;
        w.open();
        QCOMPARE(w.window->windowTitle(), QStringLiteral("Orbilex - ISO Language Codes"));
        QCOMPARE(w.window->size(), QSize(432, 273));
        for (const char *list : {"cmbThree", "cmbTwo", "cmbLang"})
            QCOMPARE(w.items(list)->count(), kIsoLanguageCount);
        for (int i = 0; i < kIsoLanguageCount; ++i) {
            QCOMPARE(w.items("cmbThree")->item(i)->text(), qs(kIsoLanguages[i].alpha3));
            QCOMPARE(w.items("cmbTwo")->item(i)->text(), qs(kIsoLanguages[i].alpha2));
            QCOMPARE(w.items("cmbLang")->item(i)->text(), qs(kIsoLanguages[i].name));
        }
        QCOMPARE(w.rows(), QList<int>({0, 0, 0}));
        QCOMPARE(w.shown(), QStringList({"abk", "ab", "Abkhazian"}));
        QCOMPARE(w.copied(), QStringLiteral("abk   ab   Abkhazian"));
        QCOMPARE(w.get<QPushButton>("cmdCopy")->toolTip(), QStringLiteral("copy to clipboard"));
        QCOMPARE(w.get<QPushButton>("cmdCopy")->cursor().shape(), w.m.get("cmdAbout")->cursor().shape());
        QCOMPARE(w.get("shpBorder")->geometry(), w.window->rect());
    }

    // Every list leads: a choice in any of them moves the other two to the
    // same row and shows that row, however many rows share its text.
    void choosingARowInAnyList_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("French by name") << "cmbLang"
                                        << "French" << QStringList {"fra/fre", "fr", "French"};
        QTest::newRow("Breton by name") << "cmbLang"
                                        << "Breton" << QStringList {"bre", "be", "Breton"};
        QTest::newRow("Byelorussian by name") << "cmbLang"
                                              << "Byelorussian" << QStringList {"bel", "be", "Byelorussian"};
        QTest::newRow("Breton's be") << "cmbTwo"
                                     << "Breton" << QStringList {"bre", "be", "Breton"};
        QTest::newRow("Byelorussian's be") << "cmbTwo"
                                           << "Byelorussian" << QStringList {"bel", "be", "Byelorussian"};
        QTest::newRow("early -") << "cmbTwo"
                                 << "Achinese" << QStringList {"ace", "-", "Achinese"};
        QTest::newRow("late -") << "cmbTwo"
                                << "Zuni" << QStringList {"zun", "-", "Zuni"};
        QTest::newRow("- in three") << "cmbThree"
                                    << "Serbian" << QStringList {"-", "sr", "Serbian"};
        QTest::newRow("second ine") << "cmbThree"
                                    << "Interlingue" << QStringList {"ine", "ie", "Interlingue"};
        QTest::newRow("second ssw") << "cmbThree"
                                    << "Swazi" << QStringList {"ssw", "-", "Swazi"};
        QTest::newRow("Javanese") << "cmbThree"
                                  << "Javanese" << QStringList {"jav/jaw", "jv/jw", "Javanese"};
    }
    void choosingARowInAnyList()
    {
        QFETCH(QString, list);
        QFETCH(QString, name);
        QFETCH(QStringList, shown);
        IsoWindow w;
        w.open();
        const int row = rowNamed(name.toStdString());
        w.choose(list.toLatin1().constData(), row);
        QCOMPARE(w.rows(), QList<int>({row, row, row}));
        QCOMPARE(w.shown(), shown);
        QCOMPARE(w.get<OpenList>(list.toLatin1().constData())->text(),
            w.items(list.toLatin1().constData())->item(row)->text());
        QCOMPARE(w.copied(), shown.join(QStringLiteral("   ")));
    }

    void keysInAListMoveAllThree()
    {
        IsoWindow w;
        w.open();
        QListWidget *two = w.items("cmbTwo");
        two->setFocus();
        QTest::keyClick(two, Qt::Key_Down);
        QTest::keyClick(two, Qt::Key_Down);
        QCOMPARE(w.rows(), QList<int>({2, 2, 2}));
        QCOMPARE(w.shown(), QStringList({"ach", "-", "Acoli"}));
    }

    void typingInATextFieldChangesNothingElse()
    {
        IsoWindow w;
        w.open();
        w.choose("cmbLang", rowNamed("French"));
        QTest::keyClicks(w.get<OpenList>("cmbLang")->textField(), QStringLiteral("Ger"));
        QTest::keyClicks(w.get<OpenList>("cmbThree")->textField(), QStringLiteral("x"));
        const int french = rowNamed("French");
        QCOMPARE(w.rows(), QList<int>({french, french, french}));
        QCOMPARE(w.shown(), QStringList({"fra/fre", "fr", "French"}));
    }

    void positionIsRestoredAndSaved()
    {
        IsoWindow w;
        w.m.te.setSetting("Left_ISO", QStringLiteral("1500"));
        w.m.te.setSetting("Top_ISO", QStringLiteral("900"));
        w.open();
        QCOMPARE(w.window->pos(), QPoint(100, 60));
        w.window->move(200, 120);
        w.get<QPushButton>("cmdClose")->click();
        QVERIFY(!w.window->isVisible());
        QCOMPARE(w.m.te.setting("Left_ISO"), QStringLiteral("3000"));
        QCOMPARE(w.m.te.setting("Top_ISO"), QStringLiteral("1800"));
    }

    void anUnreadableEdgeStaysWhereItIs()
    {
        IsoWindow w;
        w.open();
        w.window->move(40, 50);
        w.window->close();
        w.m.te.setSetting("Left_ISO", QStringLiteral("abc"));
        w.m.te.setSetting("Top_ISO", QStringLiteral("1500"));
        w.open();
        QCOMPARE(w.window->pos(), QPoint(40, 100));
    }

    void escapeClosesAndReopeningStartsOnRowZero()
    {
        IsoWindow w;
        w.open();
        w.choose("cmbLang", rowNamed("French"));
        QListWidget *names = w.items("cmbLang");
        names->setFocus();
        QTest::keyClick(names, Qt::Key_Escape);
        QVERIFY(!w.window->isVisible());
        QVERIFY(!w.window->isLoaded());
        QVERIFY(!w.m.te.setting("Left_ISO").isEmpty());
        w.open();
        QCOMPARE(w.rows(), QList<int>({0, 0, 0}));
        QCOMPARE(w.shown(), QStringList({"abk", "ab", "Abkhazian"}));
        QCOMPARE(w.items("cmbLang")->count(), kIsoLanguageCount);
    }

    void closingMinimisedKeepsTheStoredPosition()
    {
        IsoWindow w;
        w.m.te.setSetting("Left_ISO", QStringLiteral("1500"));
        w.m.te.setSetting("Top_ISO", QStringLiteral("900"));
        w.open();
        w.window->move(300, 300);
        w.window->showMinimized();
        QVERIFY(w.window->isMinimized());
        w.window->close();
        QCOMPARE(w.m.te.setting("Left_ISO"), QStringLiteral("1500"));
        QCOMPARE(w.m.te.setting("Top_ISO"), QStringLiteral("900"));
    }
};

QTEST_MAIN(TestIsoLang)
#include "tst_isolang.moc"
