#include "ui/accessiblecombobox.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace orbilex {

namespace {

class AccessibleComboBox final : public QAccessibleWidget
{
public:
    explicit AccessibleComboBox(QComboBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
    }

    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        QString value = box()->isEditable() ? box()->lineEdit()->text() : box()->currentText();
        if (t == QAccessible::Value)
            return value;
        if (t == QAccessible::Name && !box()->accessibleName().isEmpty())
            return box()->accessibleName();
        if (t == QAccessible::Name)
            return value;
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return box()->isEditable() ? 2 : 1; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->isEditable())
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child->object() == box()->view())
            return 0;
        if (box()->isEditable() && child->object() == box()->lineEdit())
            return 1;
        return -1;
    }

    // An editable box gives its focus to its text field.
    QAccessibleInterface *focusChild() const override { return box()->isEditable() ? child(1) : nullptr; }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = box()->view()->isVisible();
        s.editable = box()->isEditable();
        return s;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return QAccessibleWidget::doAction(action);
        if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }

    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action == showMenuAction() || action == pressAction())
            return {QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText)};
        return {};
    }
};

QAccessibleInterface *comboBoxFactory(const QString &className, QObject *object)
{
    if (className != u"QComboBox")
        return nullptr;
    auto *box = qobject_cast<QComboBox *>(object);
    return box ? new AccessibleComboBox(box) : nullptr;
}

} // namespace

void installAccessibleComboBoxes()
{
    static const bool installed = [] {
        QAccessible::installFactory(comboBoxFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace orbilex
