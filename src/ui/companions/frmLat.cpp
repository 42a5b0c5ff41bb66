// The latitude window: the compiled list of United States places and a copy button.

#include "ui/companions/frmLat.h"

#include "common/apperror.h"
#include "common/program.h"
#include "data/latitudes.h"
#include "ui/windowparts.h"
#include "viewlogic/windowmath.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>

namespace orbilex {

namespace {

// The window's inside, in twips.
constexpr int kClientWidthTwips = 7455;
constexpr int kClientHeightTwips = 5460;

// The place lines are columns of characters; only a font whose characters all
// have one width lines them up.
QFont fixedPitchFont(const QFont &base)
{
    QFont f(base);
    f.setFamilies({QStringLiteral("Courier"), QStringLiteral("Courier New")});
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    return f;
}

// Layout in twips.
constexpr int kMargin = 120;
constexpr int kListTop = 435;
constexpr int kFieldHeight = 315;
constexpr int kListWidth = 6135;
constexpr int kListHeight = 4335;
constexpr int kCopyLeft = kMargin + kListWidth + 120;
constexpr int kCloseTop = kListTop + kListHeight + 120;

} // namespace

frmLat::frmLat(Environment &env, MainWindowLink &main)
    : CompanionWindow(env, main, "frmLat", programWindowTitle(QStringLiteral("Latitude and Longitude")), keys::Left_Lat,
        keys::Top_Lat)
{
    setFixedSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    buildWindow();
    Load();
}

void frmLat::buildWindow()
{
    auto *lblTitle
        = named(new QLabel(QStringLiteral("Latitude and Longitude of USA Regions/Cities"), this), "lblTitle");
    QFont bold = lblTitle->font();
    bold.setBold(true);
    lblTitle->setFont(bold);
    place(lblTitle, kMargin, 90, kClientWidthTwips - 2 * kMargin, 285);

    auto *cmbMainList = named(new QWidget(this), "cmbMainList");
    place(cmbMainList, kMargin, kListTop, kListWidth, kListHeight);
    m_listText = named(new QLineEdit(cmbMainList), "text");
    m_listItems = named(new QListWidget(cmbMainList), "items");
    m_listText->setGeometry(0, 0, twipsToPixels(kListWidth), twipsToPixels(kFieldHeight));
    m_listItems->setGeometry(
        0, twipsToPixels(kFieldHeight), twipsToPixels(kListWidth), twipsToPixels(kListHeight - kFieldHeight));
    m_listItems->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listItems->setUniformItemSizes(true);
    m_listItems->setSortingEnabled(false);
    m_listText->setFont(fixedPitchFont(m_listText->font()));
    m_listItems->setFont(fixedPitchFont(m_listItems->font()));
    cmbMainList->setFocusProxy(m_listText);

    QPushButton *Command2 = pushButton(this, "Command2", "&copy", "copy the chosen line to the clipboard");
    place(Command2, kCopyLeft, kListTop, kClientWidthTwips - kCopyLeft - kMargin, 375);

    QPushButton *Command1 = pushButton(this, "Command1", "close");
    place(Command1, kMargin, kCloseTop, kClientWidthTwips - 2 * kMargin, 450);

    setTabOrder(m_listText, m_listItems);
    setTabOrder(m_listItems, Command2);
    setTabOrder(Command2, Command1);
    m_listText->setAccessibleName(QStringLiteral("Chosen line"));
    m_listItems->setAccessibleName(QStringLiteral("Regions and cities"));

    guardedConnect(m_listItems, &QListWidget::currentRowChanged, this, [this](int row) { lineChosen(row); });
    guardedConnect(m_listText, &QLineEdit::textEdited, this, &frmLat::textTyped);
    guardedConnect(Command2, &QPushButton::clicked, this, &frmLat::Command2Clicked);
    closesWith(Command1);
    pointsWithHand({Command1, Command2});
}

void frmLat::loadSteps()
{
    guarded([&] { fillList(); });
    guarded([&] { m_listItems->setCurrentRow(0); });
}

void frmLat::fillList()
{
    // An emptied list has no current line, so choosing line 0 below is a
    // change even when the window closed on line 0.
    m_listItems->clear();
    QStringList lines;
    lines.reserve(qsizetype(kLatitudeLines.size()));
    for (std::string_view line : kLatitudeLines)
        lines << QString::fromUtf8(line.data(), qsizetype(line.size()));
    m_listItems->addItems(lines);
}

void frmLat::lineChosen(int row)
{
    // No line chosen (the user typed): the field keeps what was typed.
    if (const QListWidgetItem *item = m_listItems->item(row)) {
        m_listText->setText(item->text());
        m_listText->setCursorPosition(0);
    }
}

void frmLat::textTyped()
{
    m_listItems->setCurrentRow(-1);
}

// The field holds the chosen line as listed, blanks and full stops included,
// or what the user typed when no line is chosen.
void frmLat::Command2Clicked()
{
    QApplication::clipboard()->setText(m_listText->text());
}

// Enter and Escape both close: the lists and the field pass these keys on.
void frmLat::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool closeKey = key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (closeKey && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        closeButton()->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace orbilex
