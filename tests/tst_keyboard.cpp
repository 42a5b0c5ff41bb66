// The keyboard: Tab walks each window in the order the eye reads it, and
// what the mouse reaches the keys reach too.

#include "mainwindow.h"
#include "ui/companions/frmWorldMap.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLineEdit>

#include <algorithm>
#include <functional>

using namespace orbilex;
using namespace orbilex::test;

namespace {

bool takesTab(const QWidget *w)
{
    return (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(w->window()) && w->isEnabled() && !w->focusProxy();
}

QRect inWindow(const QWidget *w)
{
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

// The order the eye reads a container in: its group boxes and its other
// controls fall into rows of things that stand side by side, rows top to
// bottom, each row left to right; a group box, and a control made of parts
// (one that hands its focus to a part), is read whole where it stands.
void readingOrder(const QWidget *container, QList<const QWidget *> &order)
{
    QList<const QWidget *> units;
    std::function<void(const QWidget *)> collect = [&](const QWidget *parent) {
        for (const QWidget *w : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (w->isWindow() || !w->isVisibleTo(w->window()))
                continue;
            if (qobject_cast<const QGroupBox *>(w) || w->focusProxy() || takesTab(w))
                units << w;
            else
                collect(w);
        }
    };
    collect(container);
    std::sort(units.begin(), units.end(),
        [](const QWidget *a, const QWidget *b) { return inWindow(a).top() < inWindow(b).top(); });
    for (qsizetype start = 0; start < units.size();) {
        qsizetype end = start + 1;
        int bottom = inWindow(units[start]).bottom();
        while (end < units.size() && inWindow(units[end]).top() < bottom)
            bottom = std::max(bottom, inWindow(units[end++]).bottom());
        std::sort(units.begin() + start, units.begin() + end, [](const QWidget *a, const QWidget *b) {
            const QRect ra = inWindow(a), rb = inWindow(b);
            return std::pair(ra.left(), ra.top()) < std::pair(rb.left(), rb.top());
        });
        for (qsizetype i = start; i < end; ++i) {
            if (takesTab(units[i]))
                order << units[i];
            else
                readingOrder(units[i], order);
        }
        start = end;
    }
}

QStringList names(const QList<const QWidget *> &widgets)
{
    QStringList list;
    for (const QWidget *w : widgets)
        list << w->objectName();
    return list;
}

// The widgets Tab visits, once round, starting from first.
QList<const QWidget *> tabChain(const QWidget *first)
{
    QList<const QWidget *> chain;
    const QWidget *w = first;
    do {
        if (takesTab(w) && w->window() == first->window())
            chain << w;
        w = w->nextInFocusChain();
    } while (w != first);
    return chain;
}

frmWorldMap *openMap(MainWindow &m)
{
    return qobject_cast<frmWorldMap *>(worldMapShown(m));
}

QWidget *shown(MainWindow &m, const WindowOpener &open)
{
    m.open();
    m.window->show();
    QWidget *window = open(m);
    if (!window || !QTest::qWaitForWindowExposed(window))
        qFatal("the window did not show");
    return window;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void tabFollowsTheReadingOrder_data() { addWindowRows(true); }

    void tabFollowsTheReadingOrder()
    {
        QFETCH(WindowOpener, open);
        MainWindow m;
        QWidget *window = shown(m, open);
        QList<const QWidget *> order;
        readingOrder(window, order);
        QVERIFY(order.size() > 1);
        const QStringList expected = names(order);
        QCOMPARE(names(tabChain(order.front())).join(u' '), expected.join(u' '));
    }

    // The links of the main window open from the keyboard as from the mouse.
    void linksOpenWithEnter_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("address");
        QTest::newRow("TLD") << "lblTLDURL"
                             << "iana.org";
        QTest::newRow("IOC") << "lblIOCUrl"
                             << "olympic";
        QTest::newRow("currency") << "lblMoreCur"
                                  << "";
        QTest::newRow("money picture") << "lblCurPic"
                                       << "";
    }

    void linksOpenWithEnter()
    {
        QFETCH(QString, link);
        QFETCH(QString, address);
        MainWindow m;
        shown(m, [](MainWindow &w) -> QWidget * { return w.window.get(); });
        m.select(81);
        QWidget *label = m.get(qPrintable(link));
        label->setFocus(Qt::TabFocusReason);
        QVERIFY(label->hasFocus());
        QTest::keyClick(label, Qt::Key_Return);
        QCOMPARE(m.te.shell->opened.size(), 1);
        QVERIFY2(m.te.shell->opened.front().contains(address), qPrintable(m.te.shell->opened.front()));
    }

    // Edit mode of the map from the keyboard: the arrows move the crosshair
    // from the marker, Enter stores it.
    void mapPositionIsPlacedWithTheKeys()
    {
        MainWindow m;
        frmWorldMap *map = nullptr;
        shown(m, [&](MainWindow &w) -> QWidget * { return map = openMap(w); });
        m.select(81);
        map->activateWindow();
        child<QPushButton>(map, "cmdEdit")->click();
        QVERIFY(map->inEditMode());
        const QPoint marker = child(map, "imgCur")->pos();
        QTest::keyClick(map, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(map, Qt::Key_Down);
        QCOMPARE(child<QLineEdit>(map, "txtCLeft")->text(), QString::number(pixelsToTwips(marker.x() + 10)));
        QTest::keyClick(map, Qt::Key_Return);
        QVERIFY(!map->inEditMode());
        QCOMPARE(child(map, "imgCur")->pos(), marker + QPoint(10, 1));
    }

    void escapeClosesACompanion_data() { addWindowRows(false); }

    void escapeClosesACompanion()
    {
        QFETCH(WindowOpener, open);
        MainWindow m;
        QWidget *window = shown(m, open);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QWidget *focus = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(focus, Qt::Key_Escape);
        QTRY_VERIFY(!window->isVisible());
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
