// The search box: anything a user knows of a country, the matches listed as
// they type, and the chosen one selected through the country list like every
// other way in.

#include "data/countries.h"
#include "data/text.h"
#include "ui/main/frmMain.h"
#include "ui/windowparts.h"
#include "viewlogic/countrysearch.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>

namespace orbilex {

namespace {

constexpr int kShownMatches = 12;

// Hands the box's keys to the window before the box sees them, gets the
// search ready when the box takes the focus, and closes the list when it
// loses it.
class SearchHook final : public QObject
{
public:
    SearchHook(QObject *parent, std::function<bool(QKeyEvent *)> onKey, std::function<void()> onLeave)
        : QObject(parent)
        , m_onKey(std::move(onKey))
        , m_onLeave(std::move(onLeave))
    {
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn)
            prepareCountrySearch();
        if (event->type() == QEvent::FocusOut)
            m_onLeave();
        return event->type() == QEvent::KeyPress && m_onKey(static_cast<QKeyEvent *>(event));
    }

private:
    std::function<bool(QKeyEvent *)> m_onKey;
    std::function<void()> m_onLeave;
};

} // namespace

QLineEdit *frmMain::buildSearchBox(QWidget *parent)
{
    txtSearch = named(new QLineEdit(parent), "txtSearch");
    txtSearch->setPlaceholderText(QStringLiteral("Search: name, code, city or phone number"));
    txtSearch->setAccessibleName(QStringLiteral("Search"));
    txtSearch->setToolTip(QStringLiteral("Find a country by anything you know of it (Ctrl+F)"));
    auto *shortcut = new QShortcut(QKeySequence::Find, this);
    connect(shortcut, &QShortcut::activated, this, [this] {
        txtSearch->setFocus(Qt::ShortcutFocusReason);
        txtSearch->selectAll();
    });
    txtSearch->installEventFilter(new SearchHook(
        txtSearch, [this](QKeyEvent *key) { return searchKey(key); },
        [this] {
            if (lstSearch)
                lstSearch->hide();
        }));
    guardedConnect(txtSearch, &QLineEdit::textEdited, this, &frmMain::txtSearchEdited);
    return txtSearch;
}

// Made on the first keystroke: a list nobody asked for would only slow the start.
QListWidget *frmMain::searchList()
{
    if (lstSearch)
        return lstSearch;
    lstSearch = named(new QListWidget(this), "lstSearch");
    lstSearch->setAccessibleName(QStringLiteral("Countries found"));
    lstSearch->setFocusPolicy(Qt::NoFocus);
    lstSearch->setUniformItemSizes(true);
    lstSearch->hide();
    connect(lstSearch, &QListWidget::itemClicked, this,
        [this](QListWidgetItem *item) { chooseSearchMatch(lstSearch->row(item)); });
    return lstSearch;
}

void frmMain::txtSearchEdited()
{
    QListWidget *list = searchList();
    list->clear();
    for (const SearchMatch &m : searchCountries(txtSearch->text(), kShownMatches)) {
        const QString name = qs(kCountryNames[std::size_t(m.country)]);
        auto *item = new QListWidgetItem(m.what.isEmpty() ? name : name + QStringLiteral(" — ") + m.what, list);
        item->setData(Qt::UserRole, m.country);
    }
    if (list->count() == 0) {
        list->hide();
        return;
    }
    list->setCurrentRow(0);
    placeSearchList();
}

// Under the box, as wide as the box and no higher than the window lets it be.
void frmMain::placeSearchList()
{
    const QPoint below = txtSearch->mapTo(this, QPoint(0, txtSearch->height()));
    const int rows = lstSearch->count();
    const int wanted = lstSearch->sizeHintForRow(0) * rows + 2 * lstSearch->frameWidth();
    const int width = std::max(txtSearch->width(), lstSearch->sizeHintForColumn(0) + 24);
    lstSearch->setGeometry(
        std::min(below.x(), this->width() - width), below.y(), width, std::min(wanted, height() - below.y()));
    lstSearch->show();
    lstSearch->raise();
}

bool frmMain::searchKey(QKeyEvent *key)
{
    const bool open = lstSearch && lstSearch->isVisible();
    switch (key->key()) {
    case Qt::Key_Down:
    case Qt::Key_Up:
        if (open) {
            const int step = key->key() == Qt::Key_Down ? 1 : -1;
            lstSearch->setCurrentRow(std::clamp(lstSearch->currentRow() + step, 0, lstSearch->count() - 1));
        }
        return open;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!open)
            txtSearchEdited();
        guarded([&] { chooseSearchMatch(lstSearch->currentRow()); });
        return true;
    case Qt::Key_Escape:
        // The list closes first; only then does Escape hide the window.
        if (open)
            lstSearch->hide();
        return open;
    default:
        return false;
    }
}

void frmMain::chooseSearchMatch(int row)
{
    QListWidgetItem *item = lstSearch->item(row);
    if (!item)
        return;
    const int country = item->data(Qt::UserRole).toInt();
    lstSearch->hide();
    txtSearch->selectAll();
    cmbCountryName->setCurrentIndex(country);
}

} // namespace orbilex
