// The Today window: a table of the shown country's facts, the record's value
// beside today's and where today's comes from.

#include "ui/companions/frmToday.h"

#include "store/settingskeys.h"
#include "ui/toolicons.h"
#include "ui/windowparts.h"
#include "viewlogic/todaytexts.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orbilex {

frmToday::frmToday(Environment &env, MainWindowLink &main)
    : CompanionWindow(env, main, "frmToday", QStringLiteral("Today"), keys::Left_Today, keys::Top_Today)
{
    buildWindow();
    // Made after the main window's own reaction, so the record is shown first.
    m_main.followSelection(this, [this] {
        if (isVisible())
            showCountry();
    });
}

void frmToday::buildWindow()
{
    lblTodayCountry = named(new QLabel(this), "lblTodayCountry");
    QFont bold = lblTodayCountry->font();
    bold.setBold(true);
    lblTodayCountry->setFont(bold);
    lblTodayNote = named(new QLabel(this), "lblTodayNote");
    lblTodayNote->setWordWrap(true);

    grdToday = named(new QTableWidget(0, 4, this), "grdToday");
    grdToday->setHorizontalHeaderLabels(
        {QStringLiteral("Field"), QStringLiteral("Record"), QStringLiteral("Today"), QStringLiteral("Source")});
    grdToday->setAccessibleName(QStringLiteral("Record and today"));
    grdToday->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdToday->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdToday->setTabKeyNavigation(false);
    grdToday->setWordWrap(false);
    grdToday->verticalHeader()->hide();
    grdToday->horizontalHeader()->setStretchLastSection(true);

    QPushButton *cmdCopy = pushButton(this, "cmdCopy", "&copy", "copy the table to the clipboard");
    cmdCopy->setIcon(toolIcon(ToolIcon::Copy));
    cmdCopy->setAccessibleName(QStringLiteral("Copy the table"));
    QPushButton *cmdClose = pushButton(this, "cmdClose", "c&lose");
    guardedConnect(cmdCopy, &QPushButton::clicked, this, &frmToday::cmdCopyClicked);
    closesWith(cmdClose);
    pointsWithHand({cmdCopy, cmdClose});

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblTodayCountry);
    layout->addWidget(lblTodayNote);
    layout->addWidget(grdToday, 1);
    layout->addLayout(buttons);
    resize(920, 400);
}

void frmToday::loadSteps()
{
    guarded([&] { showCountry(); });
}

void frmToday::showCountry()
{
    m_country = m_main.selectedCountry();
    lblTodayCountry->setText(m_main.countryName(m_country));
    QStringList note;
    for (const QString &line : {today::noteText(m_country), today::summaryText(m_country)})
        if (!line.isEmpty())
            note << line;
    lblTodayNote->setText(note.isEmpty() ? QStringLiteral("No fact changed since this record.") : note.join(u'\n'));

    const std::vector<today::FactRow> rows = today::factRows(m_country);
    grdToday->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const today::FactRow &row = rows[std::size_t(r)];
        int column = 0;
        for (const QString &text : {row.field, row.record, row.today, row.source}) {
            auto *cell = new QTableWidgetItem(text);
            cell->setToolTip(text);
            if (row.changed) {
                QFont font = cell->font();
                font.setBold(true);
                cell->setFont(font);
                cell->setData(Qt::AccessibleTextRole, text + QStringLiteral(", changed"));
            }
            grdToday->setItem(r, column++, cell);
        }
    }
    grdToday->resizeColumnsToContents();
    grdToday->resizeRowsToContents();
}

void frmToday::cmdCopyClicked()
{
    QApplication::clipboard()->setText(today::copyText(m_country));
}

} // namespace orbilex
