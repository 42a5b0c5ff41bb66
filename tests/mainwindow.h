#pragma once
// A main window on a test environment, and the ways a test drives it.

#include "fakes.h"
#include "ui/main/frmMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace orbilex::test {

// A control of a window by its objectName; a test cannot go on without it.
template<typename T = QWidget> T *child(const QObject *window, const char *name)
{
    T *w = window->findChild<T *>(QLatin1StringView(name));
    if (!w)
        qFatal("no widget %s", name);
    return w;
}

struct MainWindow {
    TestEnvironment te;
    std::unique_ptr<frmMain> window;

    // The fake clock starts on 15 April, inside most summer-time seasons; a
    // winter day shows the standard deviations.
    void winter() { te.clock->local = QDateTime(QDate(2026, 1, 15), QTime(12, 0, 0)); }

    // Settings a test wants in place are written before this.
    void open() { window = std::make_unique<frmMain>(te.env); }

    template<typename T = QWidget> T *get(const char *name) const { return child<T>(window.get(), name); }

    // Opens a companion window with the main window's button, as a user does,
    // and waits until it shows.
    template<typename Companion> Companion *openCompanion(const char *button, frmMain::CompanionKind kind)
    {
        if (!window)
            open();
        click(button);
        auto *companion = qobject_cast<Companion *>(window->loadedCompanion(kind));
        if (!companion)
            qFatal("%s opened no window", button);
        if (!QTest::qWaitForWindowExposed(companion))
            qFatal("the window of %s is not exposed", button);
        return companion;
    }

    QComboBox *box(const char *name) const { return get<QComboBox>(name); }
    QString text(const char *name) const
    {
        QWidget *w = get(name);
        if (auto *l = qobject_cast<QLineEdit *>(w))
            return l->text();
        if (auto *c = qobject_cast<QComboBox *>(w))
            return c->currentText();
        if (auto *p = qobject_cast<QPlainTextEdit *>(w))
            return p->toPlainText();
        return {};
    }
    int country() const { return box("cmbCountryName")->currentIndex(); }
    QString countryName() const { return box("cmbCountryName")->currentText(); }
    void select(int index) const { box("cmbCountryName")->setCurrentIndex(index); }
    void selectNamed(const QString &name) const
    {
        QComboBox *list = box("cmbCountryName");
        list->setCurrentIndex(list->findText(name, Qt::MatchFixedString));
    }
    QStringList sameCodeList() const
    {
        QStringList items;
        auto *list = get<QListWidget>("lstSameCode");
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        return items;
    }
    QStringList cityLines() const
    {
        QStringList lines;
        QComboBox *city = box("cmbCity");
        for (int i = 0; i < city->count(); ++i)
            lines << city->itemText(i);
        return lines;
    }

    // Types into a code box as a user would, one key at a time.
    void type(const char *boxName, const QString &keys) const { QTest::keyClicks(box(boxName)->lineEdit(), keys); }
    // Empties a code box the way a user does: select all, then delete.
    void clear(const char *boxName) const
    {
        QLineEdit *edit = box(boxName)->lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
    }
    void click(const char *buttonName) const { get<QPushButton>(buttonName)->click(); }
    bool checked(const char *name) const { return get<QCheckBox>(name)->isChecked(); }

    // Makes a window timer fire quickly, so a test waits milliseconds, not seconds.
    QTimer *fastTimer(const char *name, int ms = 5) const
    {
        auto *t = get<QTimer>(name);
        t->setInterval(ms);
        return t;
    }
};

// Opens one window of the program on a main window already made.
using WindowOpener = std::function<QWidget *(MainWindow &)>;

inline QWidget *companionShown(MainWindow &m, frmMain::CompanionKind kind)
{
    m.window->showCompanion(kind);
    return m.window->loadedCompanion(kind);
}

// The map with the shipped marker file beside the program.
inline QWidget *worldMapShown(MainWindow &m)
{
    QFile::copy(QFINDTESTDATA("../assets/wlocation.dat"), m.te.file(QStringLiteral("wlocation.dat")));
    return companionShown(m, frmMain::CompanionKind::WorldMap);
}

// One data row a window, as the tests that walk every window take them;
// the main window first unless only the companions are asked for.
inline void addWindowRows(bool withMainWindow)
{
    using Kind = frmMain::CompanionKind;
    QTest::addColumn<WindowOpener>("open");
    if (withMainWindow)
        QTest::newRow("main window") << WindowOpener([](MainWindow &m) -> QWidget * { return m.window.get(); });
    QTest::newRow("world map") << WindowOpener(worldMapShown);
    for (const auto &[name, kind] :
        {std::pair("IP to country", Kind::IpToCountry), std::pair("ISO 639", Kind::IsoLanguages),
            std::pair("latitudes", Kind::Latitudes), std::pair("today", Kind::Today)})
        QTest::newRow(name) << WindowOpener([kind](MainWindow &m) { return companionShown(m, kind); });
    QTest::newRow("about") << WindowOpener([](MainWindow &m) {
        m.click("cmdAbout");
        return m.window->loadedCompanion(Kind::About);
    });
}

} // namespace orbilex::test

Q_DECLARE_METATYPE(orbilex::test::WindowOpener)
