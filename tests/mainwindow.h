#pragma once
// A main window on a test environment, and the ways a test drives it.

#include "fakes.h"
#include "ui/main/frmMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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

} // namespace orbilex::test
