// Today's facts beside the record: a marker beside each field whose fact has
// changed since the record, and a line that counts the changes. The markers
// are made once, hidden; a selection only sets their texts.

#include "ui/main/frmMain.h"
#include "ui/windowparts.h"
#include "viewlogic/todaytexts.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace orbilex {

namespace {

// The layout that holds the widget itself, searched from its parent's.
QLayout *holderOf(QLayout *layout, QWidget *widget)
{
    if (!layout)
        return nullptr;
    if (layout->indexOf(widget) >= 0)
        return layout;
    for (int i = 0; i < layout->count(); ++i)
        if (QLayout *found = holderOf(layout->itemAt(i)->layout(), widget))
            return found;
    return nullptr;
}

// Puts extra right beside widget, in the place the widget held, so the
// window's own layout code needs to know nothing of it.
void placeBeside(QWidget *widget, QWidget *extra)
{
    QLayout *holder = holderOf(widget->parentWidget()->layout(), widget);
    if (!holder)
        return;
    auto *pair = new QHBoxLayout;
    pair->setContentsMargins(0, 0, 0, 0);
    pair->setSpacing(6);
    const int at = holder->indexOf(widget);
    if (auto *grid = qobject_cast<QGridLayout *>(holder)) {
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(at, &row, &column, &rows, &columns);
        delete grid->takeAt(at);
        grid->addLayout(pair, row, column, rows, columns);
    } else if (auto *box = qobject_cast<QBoxLayout *>(holder)) {
        const int stretch = box->stretch(at);
        delete box->takeAt(at);
        box->insertLayout(at, pair, stretch);
    }
    // A field of fixed width keeps its place and the marker follows it; a
    // field that grows gives the marker what it needs.
    const bool fixedWidth = widget->maximumWidth() < QWIDGETSIZE_MAX;
    pair->addWidget(widget, fixedWidth ? 0 : 1);
    // Beside the first line of a field of several lines.
    pair->addWidget(extra, 0, qobject_cast<QPlainTextEdit *>(widget) ? Qt::AlignTop : Qt::Alignment());
    if (fixedWidth)
        pair->addStretch(1);
}

QLabel *todayLabel(QWidget *parent, const char *objectName)
{
    auto *label = named(new QLabel(parent), objectName);
    label->setTextFormat(Qt::PlainText);
    label->setFocusPolicy(Qt::NoFocus);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Set apart from the record's own values by the style's link colour,
    // which keeps its contrast in light and dark themes alike; the record's
    // fields never take it.
    label->setForegroundRole(QPalette::Link);
    QFont italic = label->font();
    italic.setItalic(true);
    label->setFont(italic);
    label->hide();
    return label;
}

} // namespace

void frmMain::buildTodayMarkers()
{
    for (const FieldRow &row : kFields) {
        QWidget *field = m_fieldWidgets[row.field];
        if (!row.today.marker || !field)
            continue;
        QLabel *marker = todayLabel(field->parentWidget(), row.today.marker);
        // A name of today may be long (a country split in three): it wraps
        // rather than push the flag out of the row.
        marker->setWordWrap(row.field == Field::CountryName);
        placeBeside(field, marker);
        m_todayMarkers[row.field] = marker;
    }
    lblTodaySummary = todayLabel(m_body, "lblTodaySummary");
    placeBeside(txtLog, lblTodaySummary);
}

void frmMain::showTodayMarkers()
{
    const int country = cmbCountryName->currentIndex();
    // Every fact of today has one marker, so the markers shown are the count.
    int changed = 0;
    for (const FieldRow &row : kFields) {
        QLabel *label = m_todayMarkers[row.field];
        if (!label)
            continue;
        const today::Marker marker = today::marker(country, row.field);
        if (marker.text.isEmpty()) {
            label->hide();
            continue;
        }
        label->setText(marker.text);
        label->setAccessibleName(marker.accessibleName);
        label->setToolTip(marker.toolTip);
        label->show();
        ++changed;
    }
    const QString summary = today::summaryForCount(changed);
    lblTodaySummary->setText(summary);
    lblTodaySummary->setVisible(!summary.isEmpty());
}

} // namespace orbilex
