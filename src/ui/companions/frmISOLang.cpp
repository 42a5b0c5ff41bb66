// The ISO 639 window: three lists over one table, kept on the same row.

#include "ui/companions/frmISOLang.h"

#include "common/apperror.h"
#include "common/program.h"
#include "data/isolanguages.h"
#include "desktop/XPButton.h"
#include "ui/toolicons.h"
#include "ui/windowparts.h"
#include "viewlogic/windowmath.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>

#include <array>

namespace orbilex {

namespace {

// The window's inside, in twips.
constexpr int kClientWidthTwips = 6480;
constexpr int kClientHeightTwips = 4095;

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QStringList column(std::string_view IsoLanguage::*field)
{
    QStringList texts;
    texts.reserve(kIsoLanguageCount);
    for (const IsoLanguage &row : kIsoLanguages)
        texts << text(row.*field);
    return texts;
}

QFont boldFont(QFont f)
{
    f.setBold(true);
    return f;
}

// Columns inside the frame, in twips: left edge and width of each list.
constexpr int kColumnTop = 285;
constexpr int kFieldTop = 510;
constexpr int kFieldHeight = 315;
constexpr int kListTop = kFieldTop + kFieldHeight;
constexpr int kListHeight = 2130;
constexpr int kShownTop = kListTop + kListHeight + 90;

// The three lists, left to right: one column of the table each.
struct ListColumn {
    const char *name;
    const char *caption;
    const char *captionName;
    const char *spoken;
    int left;
    int width;
    std::string_view IsoLanguage::*field;
};

constexpr std::array<ListColumn, 3> kColumns = {{
    {"cmbThree", "&3-letter code:", "Label1", "3-letter code", 120, 1260, &IsoLanguage::alpha3},
    {"cmbTwo", "&2-letter code:", "Label2", "2-letter code", 1500, 1140, &IsoLanguage::alpha2},
    {"cmbLang", "&Language name:", "Label3", "Language name", 2760, 3360, &IsoLanguage::name},
}};

} // namespace

OpenList::OpenList(QWidget *parent)
    : QWidget(parent)
    , m_text(new QLineEdit(this))
    , m_items(new QListWidget(this))
{
    m_text->setObjectName(QStringLiteral("text"));
    m_items->setObjectName(QStringLiteral("items"));
    m_items->setSelectionMode(QAbstractItemView::SingleSelection);
    m_items->setUniformItemSizes(true);
    m_items->setSortingEnabled(false);
    setFocusProxy(m_text);
    // Connected before the window's reactions, so they read the chosen entry
    // in the text field.
    connect(m_items, &QListWidget::currentRowChanged, this, [this](int row) {
        const QListWidgetItem *item = m_items->item(row);
        m_text->setText(item ? item->text() : QString());
    });
}

QString OpenList::text() const
{
    return m_text->text();
}

frmISOLang::frmISOLang(Environment &env, MainWindowLink &main)
    : CompanionWindow(env, main, "frmISOLang", programWindowTitle(QStringLiteral("ISO Language Codes")), keys::Left_ISO,
        keys::Top_ISO)
{
    setFixedSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    buildWindow();

    for (OpenList *l : {m_lists[0], m_lists[1]})
        guardedConnect(l->items(), &QListWidget::currentRowChanged, this, [this](int row) { followRow(row); });
    guardedConnect(m_lists[2]->items(), &QListWidget::currentRowChanged, this, [this](int row) { cmbLangChosen(row); });
    Load();
}

void frmISOLang::buildWindow()
{
    addBorder();
    auto *Frame1 = named(new QGroupBox(QStringLiteral("ISO 639 Language Codes"), this), "Frame1");
    place(Frame1, 120, 255, 6240, 3660);

    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        const ListColumn &c = kColumns[i];
        auto *l = m_lists[i] = named(new OpenList(Frame1), c.name);
        place(l, c.left, kFieldTop, c.width, kFieldHeight + kListHeight);
        l->textField()->setGeometry(0, 0, twipsToPixels(c.width), twipsToPixels(kFieldHeight));
        l->items()->setGeometry(0, twipsToPixels(kFieldHeight), twipsToPixels(c.width), twipsToPixels(kListHeight));
        l->textField()->setAccessibleName(QString::fromLatin1(c.spoken));
        l->items()->setAccessibleName(QString::fromLatin1(c.spoken) + QStringLiteral(" list"));
        auto *label = named(new QLabel(QLatin1StringView(c.caption), Frame1), c.captionName);
        label->setBuddy(l->textField());
        place(label, c.left, kColumnTop, c.width, 225);
    }

    lblThree = named(new QLabel(QStringLiteral("AAA"), Frame1), "lblThree");
    lblTwo = named(new QLabel(QStringLiteral("AA"), Frame1), "lblTwo");
    place(lblThree, 120, kShownTop, 1260, kFieldHeight);
    place(lblTwo, 1500, kShownTop, 1140, kFieldHeight);

    txtLangName = named(new QLineEdit(QStringLiteral("..."), Frame1), "txtLangName");
    txtLangName->setReadOnly(true);
    QPalette face = txtLangName->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Window));
    txtLangName->setPalette(face);
    place(txtLangName, 2760, kShownTop, 3360, kFieldHeight);
    for (QWidget *shown : std::initializer_list<QWidget *> {lblThree, lblTwo, txtLangName})
        shown->setFont(boldFont(shown->font()));

    QPushButton *cmdCopy = pushButton(this, "cmdCopy", "copy", "copy to clipboard");
    cmdCopy->setIcon(toolIcon(ToolIcon::Copy));
    ThemeButton(cmdCopy);
    place(cmdCopy, 5580, 45, 780, 300);
    guardedConnect(cmdCopy, &QPushButton::clicked, this, &frmISOLang::cmdCopyClicked);
    pointsWithHand({cmdCopy});

    QPushButton *cmdClose = addSmallCloseButton(540);
    place(cmdClose, kClientWidthTwips - 540 - 30, kClientHeightTwips - 120 - 30, 540, 120);

    QWidget *previous = nullptr;
    for (QWidget *w :
        std::initializer_list<QWidget *> {m_lists[0]->textField(), m_lists[0]->items(), m_lists[1]->textField(),
            m_lists[1]->items(), m_lists[2]->textField(), m_lists[2]->items(), txtLangName, cmdCopy}) {
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
    txtLangName->setAccessibleName(QStringLiteral("Chosen language"));
}

void frmISOLang::loadSteps()
{
    guarded([&] { fillLists(); });
    guarded([&] { m_lists[0]->items()->setCurrentRow(0); });
}

void frmISOLang::fillLists()
{
    // Emptied lists have no current row, so the first choice below is a change
    // even when the window is loaded again on the row it was closed on.
    for (OpenList *l : m_lists)
        l->items()->clear();
    for (std::size_t i = kColumns.size(); i-- > 0;)
        m_lists[i]->items()->addItems(column(kColumns[i].field));
}

// The lists follow by row, never by text: many rows share "-" and a few
// share a code, and each must stay the row the user chose.
void frmISOLang::followRow(int row)
{
    if (row < 0)
        return;
    for (OpenList *l : m_lists)
        l->items()->setCurrentRow(row);
}

// Every choice ends here exactly once: the other lists were already moved, or
// move now without coming back.
void frmISOLang::cmbLangChosen(int row)
{
    if (row < 0)
        return;
    followRow(row);
    showRow();
}

void frmISOLang::showRow()
{
    lblThree->setText(m_lists[0]->text().trimmed());
    lblTwo->setText(m_lists[1]->text().trimmed());
    txtLangName->setText(m_lists[2]->text().trimmed());
    txtLangName->setCursorPosition(0);
}

void frmISOLang::cmdCopyClicked()
{
    const QString blanks = QStringLiteral("   ");
    QApplication::clipboard()->setText(lblThree->text() + blanks + lblTwo->text() + blanks + txtLangName->text());
}

} // namespace orbilex
