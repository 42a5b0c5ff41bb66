// What a screen reader gets from each window: every control it can act on
// has a name, no two buttons of a window share one, and a read-only field
// says so.

#include "mainwindow.h"
#include "ui/companions/frmWorldMap.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace orbilex;
using namespace orbilex::test;

namespace {

bool actsOnInput(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::Link:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
        return true;
    default:
        return false;
    }
}

// The items of a list or a drop-down are named by their text.
bool holdsItems(QAccessible::Role role)
{
    return role == QAccessible::List || role == QAccessible::ComboBox || role == QAccessible::Table
        || role == QAccessible::ScrollBar;
}

struct Walk {
    QStringList faults;
    QMultiHash<QString, QString> buttonNames; // name, objectName
    bool dump = qEnvironmentVariableIsSet("ORBILEX_DUMP_ACCESSIBILITY");

    static QString who(QAccessibleInterface *node)
    {
        const QObject *o = node->object();
        return o && !o->objectName().isEmpty() ? o->objectName() : QStringLiteral("(%1)").arg(int(node->role()));
    }

    void visit(QAccessibleInterface *node, int depth)
    {
        const QAccessible::State state = node->state();
        if (state.invisible)
            return;
        const QString name = node->text(QAccessible::Name);
        if (dump)
            qInfo().noquote() << QString(depth * 2, u' ') + who(node) << node->role() << name << "|"
                              << node->text(QAccessible::Description) << (state.readOnly ? "read-only" : "");
        if (actsOnInput(node->role()) || state.focusable) {
            if (name.trimmed().isEmpty())
                faults << who(node) + QStringLiteral(" has no name");
            else if (node->role() == QAccessible::ComboBox && name == node->text(QAccessible::Value))
                faults << who(node) + QStringLiteral(" is called by the entry it shows");
            if (node->role() == QAccessible::PushButton)
                buttonNames.insert(name, who(node));
        }
        checkReadOnly(node);
        if (holdsItems(node->role()))
            return;
        for (int i = 0; i < node->childCount(); ++i)
            if (QAccessibleInterface *child = node->child(i))
                visit(child, depth + 1);
    }

    void checkReadOnly(QAccessibleInterface *node)
    {
        QObject *o = node->object();
        const auto *line = qobject_cast<QLineEdit *>(o);
        const auto *text = qobject_cast<QPlainTextEdit *>(o);
        const bool readOnly = (line && line->isReadOnly()) || (text && text->isReadOnly());
        if (readOnly && !node->state().readOnly)
            faults << who(node) + QStringLiteral(" does not say it is read-only");
    }

    void repeatedButtons()
    {
        for (const QString &name : buttonNames.uniqueKeys()) {
            const QStringList owners = buttonNames.values(name);
            if (owners.size() > 1)
                faults << QStringLiteral("buttons %1 are all called \"%2\"").arg(owners.join(u", "), name);
        }
    }
};

// What a screen reader would find wrong in window and everything in it.
QStringList accessibilityFaults(QWidget *window)
{
    Walk walk;
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(window);
    if (!root)
        return {QStringLiteral("%1 has no accessible interface").arg(window->objectName())};
    walk.visit(root, 0);
    walk.repeatedButtons();
    return walk.faults;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void everyControlIsNamedOnce_data() { addWindowRows(true); }

    void everyControlIsNamedOnce()
    {
        QFETCH(WindowOpener, open);
        MainWindow m;
        m.open();
        m.window->show();
        QWidget *window = open(m);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QStringList faults = accessibilityFaults(window);
        if (!faults.isEmpty())
            QFAIL(qPrintable(faults.join(u'\n')));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
