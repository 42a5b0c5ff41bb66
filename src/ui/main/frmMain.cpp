// Construction and layout of the main window.

#include "ui/main/frmMain.h"

#include "common/apperror.h"
#include "common/program.h"
#include "desktop/frmSysTray.h"
#include "desktop/XPButton.h"
#include "ui/accessiblecombobox.h"
#include "ui/compactcombobox.h"
#include "ui/flags.h"
#include "ui/toolicons.h"
#include "ui/windowparts.h"
#include "viewlogic/fields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace orbilex {

namespace {

// What a screen reader should call a field: its caption without the access
// key mark.
QString spokenCaption(const char *caption)
{
    return QString::fromLatin1(caption).remove(u'&').trimmed();
}

// The field a button acts on, as the button's name says it: "Edit Long Name".
QString fieldName(const char *caption)
{
    QString name = spokenCaption(caption);
    if (name.endsWith(u':'))
        name.chop(1);
    return name.trimmed();
}

QPushButton *button(QWidget *parent, const char *objectName, const char *caption, const char *toolTip = nullptr)
{
    QPushButton *b = pushButton(parent, objectName, caption, toolTip);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

// A caption holding one link. Reached with Tab the link itself takes the
// focus, drawn as such, so Enter opens it at once.
class LinkCaption final : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QLabel::focusInEvent(event);
        if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
            focusNextPrevChild(event->reason() == Qt::TabFocusReason);
    }
};

QLabel *linkCaption(QWidget *parent, const char *objectName, const char *caption, const char *toolTip)
{
    auto *l = named(
        new LinkCaption(QStringLiteral("<a href=\"#\">%1</a>").arg(QString::fromLatin1(caption)), parent), objectName);
    l->setToolTip(QString::fromLatin1(toolTip));
    l->setCursor(Qt::PointingHandCursor);
    l->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    return l;
}

// What a screen reader calls the controls whose captions are too short or
// too alike to say what they do; the rest speak their captions, and the
// fields the captions of their check boxes.
struct SpokenName {
    const char *objectName;
    const char *name;
};

constexpr SpokenName kSpokenNames[] = {
    {"cmbCountryName", "Choose country"},
    {"txtCountryName", "Country Name"},
    {"cmdZoom", "Show the large flag"},
    {"cmdCopy", "Copy flag image"},
    {"cmdFlag", "Enlarge flag"},
    {"cmdFlagCopy", "Copy flag"},
    {"lblTLDURL", "More information on the TLD"},
    {"cmdMoreInfo", "Open the TLD page"},
    {"lblIOCUrl", "More information on the IOC code"},
    {"lblMoreCur", "More information on the currency"},
    {"lblCurPic", "Picture of the currency"},
    {"cmdCiaURL", "Open the extra information page"},
    {"cmdCopySel", "Copy selected fields"},
    {"cmdCopyAll", "Copy all fields"},
    {"cmdSelAll", "Select all fields"},
    {"cmdDSelAll", "Clear all fields"},
    {"cmdPrintVer", "HTML version"},
    {"cmdIP2Location", "IP to country"},
    {"cmdResetDB", "Reset database"},
    {"cmdDefCount", "Default values for this country"},
    {"cmdExit", "Hide to tray"},
    {"txtLog", "Log"},
};

const char *shows(Field f)
{
    return fieldRow(f).widget;
}

QLineEdit *displayField(QWidget *parent, const char *objectName)
{
    auto *e = named(new QLineEdit(parent), objectName);
    e->setReadOnly(true);
    // An override may be of any length; the default limit of 32767 would cut
    // it on screen and so in every copy, export and edit made from the field.
    e->setMaxLength(std::numeric_limits<int>::max());
    return e;
}

// The code boxes are editable lists: typing searches, the list chooses.
// setEditable() would build each box's popup list and a completer at once,
// and nine boxes of them were a good part of the start. The line edit is given
// directly, with a completer already in place so that the box makes none of
// its own; that one is taken away again, since the program does its own
// searching. The popup list is built the first time it opens.
// Only typing and picking select: a combo box of its own also chooses the
// entry equal to the text when the edit is finished (Enter, focus leaving),
// and the placeholder "-" is an entry of nearly every country.
QComboBox *codeBox(QWidget *parent, const char *objectName)
{
    static QCompleter placeholder;
    auto *c = named(new CompactComboBox(7, parent), objectName);
    auto *edit = new QLineEdit(c);
    edit->setCompleter(&placeholder);
    c->setLineEdit(edit);
    QObject::disconnect(edit, &QLineEdit::editingFinished, c, nullptr);
    c->setCompleter(nullptr);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMaxVisibleItems(20);
    c->setMaximumWidth(c->sizeHint().width());
    return c;
}

QPlainTextEdit *noteField(QWidget *parent, const char *objectName)
{
    auto *t = named(new QPlainTextEdit(parent), objectName);
    t->setReadOnly(true);
    t->setLineWrapMode(QPlainTextEdit::NoWrap);
    t->setTabChangesFocus(true);
    const int lines = 3;
    t->setFixedHeight(t->fontMetrics().lineSpacing() * lines + 2 * t->frameWidth() + 8);
    return t;
}

} // namespace

frmMain::frmMain(Environment &env, QWidget *parent)
    : QWidget(parent)
    , m_env(env)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    installAccessibleComboBoxes();
    buildWindow();

    timAutoCombo = namedTimer(this, "timAutoCombo", TypeAhead::kTickMs);
    timOption = namedTimer(this, "timOption", 10);
    timOptionBack = namedTimer(this, "timOptionBack", 10);
    timClock = namedTimer(this, "timClock", 1000);
    connect(timAutoCombo, &QTimer::timeout, this, &frmMain::timAutoComboTick);
    connect(timOption, &QTimer::timeout, this, &frmMain::timOptionTick);
    connect(timOptionBack, &QTimer::timeout, this, &frmMain::timOptionBackTick);
    guardedConnect(timClock, &QTimer::timeout, this, &frmMain::timClockTick);
    timClock->start();

    m_panelSizes.closedTwips = pixelsToTwips(height());
    connectButtons();
    connectLinks();
    connectExport();
    connectCompanions();
    Load();
    cmbCountryName->setFocus();
}

frmMain::~frmMain()
{
    // Closing the window takes the focus from the search box, and the box's
    // hook then closes the list of matches, a member of this window: the box
    // goes first, while the window is still whole.
    delete txtSearch;
}

void frmMain::connectButtons()
{
    for (const FieldRow &row : kFields) {
        if (!row.user.key)
            continue;
        connect(findChild<QPushButton *>(QLatin1StringView(row.user.editButton)), &QPushButton::clicked, this,
            [this, f = row.field] { editField(f); });
        connect(findChild<QPushButton *>(QLatin1StringView(row.user.resetButton)), &QPushButton::clicked, this,
            [this, f = row.field] { resetField(f); });
    }
    connect(cmdDefCount, &QPushButton::clicked, this, &frmMain::resetCountry);
    connect(cmdResetDB, &QPushButton::clicked, this, &frmMain::resetFile);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::hideToTray);
    guardedConnect(chkOption, &QCheckBox::toggled, this, &frmMain::chkOptionClicked);
    guardedConnect(chkTray, &QCheckBox::toggled, this, &frmMain::chkTrayClicked);
    guardedConnect(chkRunAtStart, &QCheckBox::toggled, this, &frmMain::chkRunAtStartClicked);
    guardedConnect(chkDST, &QCheckBox::toggled, this, &frmMain::CheckDST);
}

// Made once the lists are filled, so filling them selects nothing.
void frmMain::connectLists()
{
    connect(cmbCountryName, &QComboBox::currentIndexChanged, this, &frmMain::SelectCountry);
    guardedConnect(cmbCity, &QComboBox::currentIndexChanged, this, &frmMain::cmbCityChanged);
    // After the selection's own reactions, so the place is the one now shown.
    guardedConnect(cmbCountryName, &QComboBox::currentIndexChanged, this, &frmMain::localPlaceChanged);
    guardedConnect(cmbCity, &QComboBox::currentIndexChanged, this, &frmMain::localPlaceChanged);
    connect(lstSameCode, &QListWidget::itemClicked, this, &frmMain::lstSameCodeClicked);
    connectCodeBoxes();
}

QCheckBox *frmMain::fieldCheck(Field f)
{
    QCheckBox *&check = m_fieldChecks[f];
    if (!check)
        check = named(new QCheckBox(QString::fromLatin1(fieldRow(f).caption), this), fieldRow(f).check);
    return check;
}

QPushButton *frmMain::overrideButton(Field f, bool edit)
{
    const Override &user = fieldRow(f).user;
    auto *b = edit ? button(this, user.editButton, "edit", "edit database")
                   : button(this, user.resetButton, "d", "default database value for this field");
    b->setFocusPolicy(Qt::TabFocus);
    b->setAccessibleName((edit ? QStringLiteral("Edit ") : QStringLiteral("Reset ")) + fieldName(fieldRow(f).caption));
    const int width = b->fontMetrics().horizontalAdvance(b->text()) + 14;
    b->setFixedWidth(width);
    return b;
}

// Every field names itself by its check box caption, for screen readers.
void frmMain::findFieldWidgets()
{
    for (const FieldRow &row : kFields) {
        fieldCheck(row.field)->setAccessibleDescription(
            QStringLiteral("chooses the field for copying and the HTML page"));
        if (!row.widget)
            continue;
        QWidget *w = findChild<QWidget *>(QLatin1StringView(row.widget));
        w->setAccessibleName(spokenCaption(row.caption));
        m_fieldWidgets[row.field] = w;
    }
    for (const SpokenName &spoken : kSpokenNames)
        findChild<QWidget *>(QLatin1StringView(spoken.objectName))->setAccessibleName(QString::fromLatin1(spoken.name));
    // An editable list hands the focus to its text field, which a screen
    // reader announces by the field's own name.
    for (auto *box : findChildren<QComboBox *>())
        if (box->lineEdit())
            box->lineEdit()->setAccessibleName(box->accessibleName());
}

void frmMain::buildWindow()
{
    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("body"));
    auto *layout = new QVBoxLayout(m_body);
    layout->setContentsMargins(8, 6, 8, 4);
    layout->setSpacing(4);
    layout->addWidget(buildCountryRow());
    auto *groups = new QHBoxLayout;
    groups->setSpacing(8);
    groups->addWidget(buildCodesGroup(), 0);
    groups->addWidget(buildOtherGroup(), 1);
    layout->addLayout(groups);
    layout->addWidget(buildButtonRow());
    txtLog = displayField(m_body, "txtLog");
    txtLog->setFrame(false);
    layout->addWidget(txtLog);

    Frame1 = buildOptionsPanel();

    findFieldWidgets();
    buildTodayMarkers();
    tabInLayoutOrder({m_body->layout(), Frame1->layout()});

    // Themed before the window takes its size: a picture button may need more room.
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *> {cmdCopyAll, cmdCopy, cmdPrintVer,
             cmdIP2Location, cmdHelp, cmdAbout, cmdExit, cmdISOLang, cmdMapShow, chkOption, cmdResetDB})
        ThemeButton(b);

    const QSize body = m_body->sizeHint();
    resize(body.width(), body.height());
    placePanels();
}

QWidget *frmMain::buildCountryRow()
{
    auto *row = new QWidget(m_body);
    auto *h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    cmbCountryName = named(new CompactComboBox(30, row), "cmbCountryName");
    cmbCountryName->setMaxVisibleItems(25);
    cmbCountryName->installEventFilter(this);
    txtCountryName = displayField(row, shows(Field::CountryName));
    txtCountryName->setText(QStringLiteral("unknown"));
    txtCountryName->setCursor(Qt::PointingHandCursor);
    txtCountryName->installEventFilter(this);

    picFlag = named(new QLabel(row), "picFlag");
    picFlag->setFixedSize(52, 30);
    picFlag->setToolTip(QStringLiteral("click to enlarge (Alt + Z) : right click to copy"));
    picFlag->setAccessibleName(QStringLiteral("Flag"));
    picFlag->setCursor(Qt::PointingHandCursor);
    imgEmpty = named(new QLabel(row), "imgEmpty");
    imgEmpty->setPixmap(emptyFlagPicture(devicePixelRatioF()));
    imgEmpty->hide();
    cmdZoom = button(row, "cmdZoom", "");
    cmdZoom->setIcon(toolIcon(ToolIcon::Enlarge));
    cmdCopy = button(row, "cmdCopy", "", "copy image to clipboard");
    cmdCopy->setIcon(toolIcon(ToolIcon::Copy));
    for (QPushButton *b : {cmdZoom, cmdCopy})
        b->setFixedSize(22, 22);
    cmdFlag = button(row, "cmdFlag", "&z", "enlarge flag (Alt + Z)");
    cmdFlagCopy = button(row, "cmdFlagCopy", "c", "copy flag image to clipboard");
    for (QPushButton *b : {cmdFlag, cmdFlagCopy})
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("zz")) + 14);

    h->addWidget(fieldCheck(Field::CountryName));
    h->addWidget(cmbCountryName, 3);
    h->addWidget(txtCountryName, 2);
    h->addSpacing(8);
    h->addWidget(buildSearchBox(row), 2);
    h->addSpacing(8);
    h->addWidget(picFlag);
    // Two columns, read one after the other: the pictures, then the letters.
    auto *flagButtons = new QHBoxLayout;
    flagButtons->setSpacing(2);
    for (const auto &column : {std::pair(cmdZoom, cmdCopy), std::pair(cmdFlag, cmdFlagCopy)}) {
        auto *v = new QVBoxLayout;
        v->setSpacing(2);
        v->addWidget(column.first);
        v->addWidget(column.second);
        flagButtons->addLayout(v);
    }
    h->addLayout(flagButtons);
    return row;
}

QGroupBox *frmMain::buildCodesGroup()
{
    auto *group = named(new QGroupBox(QStringLiteral(" Codes "), m_body), "fraCodes");
    auto *g = new QGridLayout(group);
    g->setVerticalSpacing(3);
    g->setContentsMargins(6, 4, 6, 4);

    cmbTLD = codeBox(group, shows(Field::Tld));
    cmbCountryCode = codeBox(group, shows(Field::Alpha2));
    cmbISO3 = codeBox(group, shows(Field::Alpha3));
    cmbIOC = codeBox(group, shows(Field::Ioc));
    cmbCurrencyCode = codeBox(group, shows(Field::Currency));
    cmbLanguage = codeBox(group, shows(Field::Language));
    cmbFIPS = codeBox(group, shows(Field::Fips));
    cmbDSCode = codeBox(group, shows(Field::Sign));
    cmbCode = codeBox(group, shows(Field::DialingCode));
    lblTLDURL = linkCaption(group, "lblTLDURL", "more info...", "more information on IANA website (Alt + R)");
    cmdMoreInfo = button(group, "cmdMoreInfo", "S&R1");
    cmdMoreInfo->setFixedWidth(cmdMoreInfo->fontMetrics().horizontalAdvance(QStringLiteral("SR1")) + 14);
    lblIOCUrl = linkCaption(group, "lblIOCUrl", "more info...", "click for more information on IOC website");
    lblMoreCur = linkCaption(group, "lblMoreCur", "more info...", "more about country currency unit");
    lblCurPic = linkCaption(group, "lblCurPic", "picture", "see picture of country money");

    lstSameCode = named(new QListWidget(group), shows(Field::SameCode));
    lstSameCode->setFixedHeight(lstSameCode->fontMetrics().lineSpacing() * 3 + 8);
    lstSameCode->setAutoFillBackground(true);
    txtIDD = noteField(group, shows(Field::Idd));
    txtNDD = noteField(group, shows(Field::Ndd));

    int row = 0;
    const auto add = [&](Field f, QWidget *field, QWidget *extra = nullptr, QWidget *extra2 = nullptr) {
        g->addWidget(fieldCheck(f), row, 0, Qt::AlignTop);
        g->addWidget(field, row, 1);
        if (extra)
            g->addWidget(extra, row, 2);
        if (extra2)
            g->addWidget(extra2, row, 3);
        ++row;
    };
    add(Field::Tld, cmbTLD, lblTLDURL, cmdMoreInfo);
    add(Field::Alpha2, cmbCountryCode);
    add(Field::Alpha3, cmbISO3);
    add(Field::Ioc, cmbIOC, lblIOCUrl);
    add(Field::Currency, cmbCurrencyCode, lblMoreCur, lblCurPic);
    add(Field::Language, cmbLanguage);
    add(Field::Fips, cmbFIPS);
    add(Field::Sign, cmbDSCode);
    add(Field::DialingCode, cmbCode);
    g->addWidget(fieldCheck(Field::SameCode), row++, 0, 1, 4);
    g->addWidget(lstSameCode, row++, 0, 1, 4);
    const auto note = [&](Field f, QPlainTextEdit *field) {
        g->addWidget(fieldCheck(f), row, 0, Qt::AlignTop);
        g->addWidget(field, row, 1, 1, 2);
        auto *buttons = new QVBoxLayout;
        buttons->setSpacing(2);
        buttons->addWidget(overrideButton(f, true));
        buttons->addWidget(overrideButton(f, false));
        buttons->addStretch();
        g->addLayout(buttons, row, 3);
        ++row;
    };
    note(Field::Idd, txtIDD);
    note(Field::Ndd, txtNDD);
    g->setColumnStretch(1, 1);
    return group;
}

QGroupBox *frmMain::buildOtherGroup()
{
    auto *group = named(new QGroupBox(QStringLiteral(" Other Information "), m_body), "fraOther");
    auto *g = new QGridLayout(group);
    g->setVerticalSpacing(3);
    g->setContentsMargins(6, 4, 6, 4);

    txtLongName = displayField(group, shows(Field::LongName));
    txtType = displayField(group, shows(Field::Type));
    txtDep = displayField(group, shows(Field::Dependency));
    txtLocation = displayField(group, shows(Field::Location));
    txtISONumber = displayField(group, shows(Field::IsoNumber));
    txtGMT = displayField(group, shows(Field::Gmt));
    txtGMT->setText(QStringLiteral("+00:00:00"));
    txtUrl = displayField(group, shows(Field::ExtraInfo));
    txtUrl->setToolTip(QStringLiteral("alt + v to open"));
    txtUrl->setCursor(Qt::PointingHandCursor);
    txtPInfo = displayField(group, shows(Field::ExtraInfo2));
    txtPInfo->setToolTip(QStringLiteral("Click to view organized information about country"));
    txtPInfo->setCursor(Qt::PointingHandCursor);
    cmdCiaURL = button(group, "cmdCiaURL", "S&V1");
    cmdCiaURL->setFixedWidth(cmdCiaURL->fontMetrics().horizontalAdvance(QStringLiteral("SV1")) + 14);
    chkDST = named(new QCheckBox(QStringLiteral("Consider DST"), group), "chkDST");
    chkDST->setToolTip(QStringLiteral("if checked day light saving time is being considered"));
    chkDST->setChecked(true);
    QLayout *clocks = buildClocks(group);
    cmbCity = named(new CompactComboBox(44, group), shows(Field::City));
    cmbCity->setMaxVisibleItems(25);
    cmdLatMore = button(group, "cmdLatMore", "latitudes", "latitude and longitude of all USA cities");
    cmdAirport
        = button(group, "cmdAirport", "Country Air&port Codes", "online webpage showing airport codes of this country");
    cmdTimeServer = button(
        group, "cmdTimeServer", "World Clock Server", "displays current time of country in World Clock Server");

    int row = 0;
    const auto add = [&](Field f, QWidget *field, QWidget *extra = nullptr) {
        g->addWidget(fieldCheck(f), row, 0);
        g->addWidget(field, row, 1);
        if (extra)
            g->addWidget(extra, row, 2);
        g->addWidget(overrideButton(f, true), row, 3);
        g->addWidget(overrideButton(f, false), row, 4);
        ++row;
    };
    add(Field::LongName, txtLongName);
    add(Field::Type, txtType);
    add(Field::Dependency, txtDep);
    add(Field::Location, txtLocation);
    add(Field::IsoNumber, txtISONumber);
    add(Field::Gmt, txtGMT, chkDST);

    g->addLayout(clocks, row++, 1, 1, 4);

    add(Field::ExtraInfo, txtUrl, cmdCiaURL);
    add(Field::ExtraInfo2, txtPInfo);
    g->addWidget(fieldCheck(Field::City), row, 0);
    g->addWidget(cmbCity, row, 1, 1, 2);
    g->addWidget(cmdLatMore, row++, 3, 1, 2);
    g->addWidget(fieldCheck(Field::CityAll), row++, 0, 1, 2);
    auto *web = new QHBoxLayout;
    web->addWidget(cmdAirport);
    web->addWidget(cmdTimeServer);
    web->addStretch();
    g->addLayout(web, row++, 0, 1, 5);
    g->setRowStretch(row, 1);
    g->setColumnStretch(1, 1);
    fieldCheck(Field::CityAll)->setToolTip(QStringLiteral("copy all cities"));
    return group;
}

// The three clock fields, each behind its caption, and below them the local
// time from the time-zone database.
QLayout *frmMain::buildClocks(QWidget *group)
{
    // No spacing of its own: a nested row takes it from here, and the clocks
    // keep the style's, as they had alone.
    auto *rows = new QVBoxLayout;
    auto *clocks = new QHBoxLayout;
    const auto clock = [&](const char *objectName, const char *caption, const char *spoken) {
        QLineEdit *field = displayField(group, objectName);
        field->setText(QStringLiteral("00:00:00"));
        field->setAccessibleName(QString::fromLatin1(spoken));
        auto *label = new QLabel(QString::fromLatin1(caption), group);
        label->setBuddy(field);
        clocks->addWidget(label);
        clocks->addWidget(field);
        return field;
    };
    txtcTime = clock("txtcTime", "Country/City Time:", "Country time");
    txtGMTc = clock("txtGMTc", "GMT:", "UTC time");
    txtClock = clock("txtClock", "System Time:", "System time");
    rows->addLayout(clocks);
    clocks = new QHBoxLayout;
    txtTzTime = clock("txtTzTime", "Local time (tz):", "Local time");
    txtTzTime->clear();
    rows->addLayout(clocks);
    return rows;
}

QWidget *frmMain::buildButtonRow()
{
    auto *row = new QWidget(m_body);
    auto *h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(4);
    cmdCopySel = button(row, "cmdCopySel", "c&opy", "copy only selected items to clipboard");
    cmdCopyAll = button(row, "cmdCopyAll", "&copy all", "copy all items to clipboard");
    cmdSelAll = button(row, "cmdSelAll", "+", "select all");
    cmdDSelAll = button(row, "cmdDSelAll", "-", "deselect all");
    cmdPrintVer = button(row, "cmdPrintVer", ".&html", "click for a printable version in html format");
    cmdMapShow = button(row, "cmdMapShow", "world &map", "click to view the map of whole world");
    cmdIP2Location = button(row, "cmdIP2Location", "&ip2country", "Determine location of entered IP address");
    cmdISOLang = button(row, "cmdISOLang", "ISO 639 Codes", "ISO 639 Language Codes");
    cmdAbout = button(row, "cmdAbout", "&about");
    // No access key: every letter of its caption already opens another
    // control, and a shared one would stop "hi&de" and the others from working.
    cmdToday = button(row, "cmdToday", "today", "today's facts beside the record");
    cmdToday->setAccessibleName(QStringLiteral("Today's facts beside the record"));
    cmdHelp = button(row, "cmdHelp", "&help", "view the readme");
    cmdResetDB = button(row, "cmdResetDB", "reset d&b", "resets database");
    cmdDefCount = button(row, "cmdDefCount", "default", "set default values for this country");
    cmdExit = button(row, "cmdExit", "hi&de", "Minimize to Systray");
    chkOption = named(new QCheckBox(QStringLiteral("&options"), row), "chkOption");
    chkOption->setToolTip(QStringLiteral("program options"));
    chkOption->setCursor(Qt::PointingHandCursor);
    // Drawn as a button, the options box needs a picture to read as one.
    chkOption->setIcon(toolIcon(ToolIcon::Options));
    for (QPushButton *b : {cmdSelAll, cmdDSelAll})
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("+")) + 20);

    for (QWidget *w : std::initializer_list<QWidget *> {cmdCopySel, cmdCopyAll, cmdSelAll, cmdDSelAll, cmdPrintVer})
        h->addWidget(w);
    h->addSpacing(10);
    for (QWidget *w :
        std::initializer_list<QWidget *> {cmdMapShow, cmdIP2Location, cmdISOLang, cmdToday, cmdAbout, cmdHelp})
        h->addWidget(w);
    h->addSpacing(10);
    h->addWidget(cmdResetDB);
    h->addWidget(cmdDefCount);
    h->addStretch();
    h->addWidget(chkOption);
    h->addWidget(cmdExit);
    return row;
}

QGroupBox *frmMain::buildOptionsPanel()
{
    auto *panel = named(new QGroupBox(QStringLiteral("Options"), this), "Frame1");
    auto *h = new QHBoxLayout(panel);
    h->setContentsMargins(8, 2, 8, 2);
    chkTray = named(new QCheckBox(QStringLiteral("&Show tray icon"), panel), "chkTray");
    chkRunAtStart = named(
        new QCheckBox(QStringLiteral("R&un when windows starts (will next start in any state you exit)"), panel),
        "chkRunAtStart");
    chkSelHtml = named(new QCheckBox(QStringLiteral("&Only selected items in HTML"), panel), "chkSelHtml");
    chkSelHtml->setToolTip(QStringLiteral("if marked only selected items will appear in created html file"));
    h->addWidget(chkTray);
    h->addWidget(chkRunAtStart);
    h->addWidget(chkSelHtml);
    h->addStretch();
    return panel;
}

// The body keeps its own height; the options panel sits below it and comes
// into view only when the window is made taller.
void frmMain::placePanels()
{
    const int bodyHeight = m_body->sizeHint().height();
    m_body->setGeometry(0, 0, width(), bodyHeight);
    // 750 twips: it fits the 900 twips the window grows by.
    const int panelHeight = std::min(Frame1->sizeHint().height(), 50);
    Frame1->setGeometry(8, bodyHeight + 4, width() - 16, panelHeight);
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placePanels();
}

} // namespace orbilex
