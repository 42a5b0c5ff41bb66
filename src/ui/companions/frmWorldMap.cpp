// The world map: marker, clock, mirrored country list, links and edit mode.

#include "ui/companions/frmWorldMap.h"

#include "common/apperror.h"
#include "store/worldlocations.h"
#include "ui/companions/worldmarkers.h"
#include "ui/densepictures.h"
#include "ui/windowparts.h"
#include "viewlogic/links.h"
#include "viewlogic/windowmath.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>
#include <functional>

namespace orbilex {

namespace {

constexpr int kLeftDefaultTwips = 100;
constexpr int kTopDefaultTwips = 80;

// The ruler: one label under each whole-hour band of the picture, 562.5 twips
// (37.5 pixels, 15 degrees) apart; the date-line band carries +12 and, a row
// higher, -12.
constexpr int kRulerLeftTwips = 75;
constexpr int kRulerTopTwips = 7185;
constexpr int kRulerWidthTwips = 270;
constexpr int kRulerHeightTwips = 120;
constexpr int kRulerColumns = 25;

int rulerLeft(int column)
{
    return kRulerLeftTwips + column * 1125 / 2;
}

const QColor kCrosshair(160, 105, 184);

// A label the mouse passes through to the map beneath it.
void passMouse(QWidget *w)
{
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QFont pixelFont(const QFont &base, int pixels, bool bold = false)
{
    QFont f = base;
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// The map's buttons are smaller than a line of the desktop font: the caption
// wraps inside the button instead of being cut.
class SmallButton final : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        style()->drawItemText(&painter, rect().adjusted(2, 0, -2, 0),
            Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(), isEnabled(), caption,
            QPalette::ButtonText);
    }
};

// A picture or caption that opens a page when clicked, or, once it has the
// focus, on Enter or Space.
class LinkLabel final : public QLabel
{
public:
    LinkLabel(QWidget *parent, std::function<void()> open)
        : QLabel(parent)
        , m_open(std::move(open))
    {
    }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            guarded(m_open);
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        const int key = event->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
            guarded(m_open);
        else
            QLabel::keyPressEvent(event);
    }
    void paintEvent(QPaintEvent *event) override
    {
        QLabel::paintEvent(event);
        if (!hasFocus())
            return;
        QStylePainter painter(this);
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }

private:
    std::function<void()> m_open;
};

// The logo of the map pages: a small globe.
QPixmap serviceLogo(qreal ratio)
{
    QPixmap logo = denseCanvas(QSize(22, 22), ratio);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 70, 120), 1.2));
    p.setBrush(QColor(120, 170, 220));
    p.drawEllipse(QRectF(1.5, 1.5, 19, 19));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(7, 1.5, 8, 19));
    p.drawLine(QPointF(11, 1.5), QPointF(11, 20.5));
    p.drawLine(QPointF(1.5, 11), QPointF(20.5, 11));
    return logo;
}

QString errorText(const AppError &e)
{
    return QStringLiteral("Error ") + QString::number(e.number) + u' ' + e.description;
}

} // namespace

frmWorldMap::frmWorldMap(Environment &env, MainWindowLink &main)
    : CompanionWindow(env, main, "frmWorldMap", QStringLiteral("World Map"), keys::Left_World, keys::Top_World,
        QPoint(kLeftDefaultTwips, kTopDefaultTwips))
{
    setFixedSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    setMouseTracking(true);
    buildWindow();

    Timer1 = namedTimer(this, "Timer1", 500);
    Timer2 = namedTimer(this, "Timer2", 500);
    guardedConnect(Timer1, &QTimer::timeout, this, &frmWorldMap::Timer1Tick);
    guardedConnect(Timer2, &QTimer::timeout, this, &frmWorldMap::Timer2Tick);

    // The list holds the main list's entries once; from here on a change of
    // its selection is the user's or the main window's.
    for (int i = 0; i < m_main.countryCount(); ++i)
        cmbWMCountry->addItem(m_main.countryName(i));
    cmbWMCountry->setCurrentIndex(-1);
    guardedConnect(
        cmbWMCountry, &QComboBox::currentIndexChanged, this, [this](int index) { cmbWMCountryChanged(index); });
    Load();
}

frmWorldMap::~frmWorldMap() = default;

void frmWorldMap::buildWindow()
{
    const QFont small = pixelFont(font(), 9);
    buildReadouts(small);
    buildButtons(small);

    auto *panel = named(new QFrame(this), "Frame1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    place(panel, 4410, 6120, 3315, 750);
    const auto openProfile = [this] { m_env.shell->open(mapProfileAddress(m_main.fipsCode())); };
    const auto openWorld = [this] { m_env.shell->open(worldMapAddress()); };
    auto *imgNGeo = named(new LinkLabel(this, openProfile), "imgNGeo");
    imgNGeo->setPixmap(serviceLogo(devicePixelRatioF()));
    imgNGeo->setGeometry(twipsToPixels(4515), twipsToPixels(6150), 22, 22);
    imgNGeo->setToolTip(QStringLiteral("Country Profile"));
    auto *lblGeoCountry = named(new LinkLabel(this, openProfile), "lblGeoCountry");
    auto *lblGeoWorld = named(new LinkLabel(this, openWorld), "lblGeoWorld");
    lblGeoCountry->setText(QStringLiteral("Country Profile"));
    lblGeoWorld->setText(QStringLiteral("Satelite view of World Map"));
    // The picture opens what the caption beside it opens; only the captions
    // take the focus.
    for (QLabel *link : {lblGeoCountry, lblGeoWorld}) {
        link->setFocusPolicy(Qt::StrongFocus);
        link->setAccessibleDescription(QStringLiteral("link"));
        QFont f = small;
        f.setUnderline(true);
        setFontOnShow(link, f);
        QPalette p = link->palette();
        p.setColor(QPalette::WindowText, p.color(QPalette::Link));
        link->setPalette(p);
    }
    place(lblGeoCountry, 4515, 6540, 1020, 195);
    place(lblGeoWorld, 5670, 6540, 1905, 195);
    pointsWithHand({imgNGeo, lblGeoCountry, lblGeoWorld});

    cmbWMCountry = named(new QComboBox(this), "cmbWMCountry");
    setFontOnShow(cmbWMCountry, small);
    cmbWMCountry->setMaxVisibleItems(20);
    place(cmbWMCountry, 9330, 6510, 3480, 315);

    buildRuler();
    buildMarker(small);

    // Read as the window is laid out: the buttons' column, then the row of
    // links and the country list.
    setTabOrder(cmdCancel, closeButton());
    setTabOrder(closeButton(), cmdEdit);
    setTabOrder(cmdEdit, lblGeoCountry);
    setTabOrder(lblGeoCountry, lblGeoWorld);
    setTabOrder(lblGeoWorld, cmbWMCountry);
    txtCurCountry->setAccessibleName(QStringLiteral("Located country"));
    txtCTop->setAccessibleName(QStringLiteral("Marker top"));
    txtCLeft->setAccessibleName(QStringLiteral("Marker left"));
    cmbWMCountry->setAccessibleName(QStringLiteral("Country"));
}

void frmWorldMap::buildReadouts(const QFont &small)
{
    lblCFlash = named(new QLabel(QStringLiteral("."), this), "lblCFlash");
    setFontOnShow(lblCFlash, pixelFont(font(), 16, true));
    lblCFlash->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(lblCFlash, 105, 0, 75, 330);
    passMouse(lblCFlash);

    const auto box = [&](const char *name, const QString &text) {
        auto *e = named(new QLineEdit(text, this), name);
        e->setReadOnly(true);
        e->setFrame(false);
        setFontOnShow(e, small);
        e->setTextMargins(0, 0, 0, 0);
        e->setFocusPolicy(Qt::NoFocus);
        return e;
    };
    txtCurCountry = box("txtCurCountry", QStringLiteral("..."));
    txtCurCountry->setAlignment(Qt::AlignRight);
    place(txtCurCountry, 9420, 150, 4005, 180);
    txtID = box("txtID", QString());
    txtID->hide();

    auto *top = named(new QLabel(QStringLiteral("Top:"), this), "Label1");
    auto *left = named(new QLabel(QStringLiteral("Left:"), this), "Label2");
    for (QLabel *caption : {top, left}) {
        setFontOnShow(caption, small);
        passMouse(caption);
    }
    txtCTop = box("txtCTop", QStringLiteral("000"));
    txtCLeft = box("txtCLeft", QStringLiteral("000"));
    // The captions' rows are a line of the small font high, centred on the
    // 120-twip row they stand in.
    const int rowTop = 6405 - 45;
    const int rowHeight = 210;
    // The boxes are as wide as the room after them allows: a position has up
    // to five digits.
    place(top, 210, rowTop, 540, rowHeight);
    place(txtCTop, 630, rowTop, 420, rowHeight);
    place(left, 1050, rowTop, 645, rowHeight);
    place(txtCLeft, 1575, rowTop, 600, rowHeight);
}

void frmWorldMap::buildButtons(const QFont &small)
{
    cmdCancel = named(new SmallButton(QStringLiteral("&Cancel"), this), "cmdCancel");
    cmdEdit = named(new SmallButton(QStringLiteral("&Edit position"), this), "cmdEdit");
    QPushButton *cmdClose = named(new SmallButton(QStringLiteral("Clo&se"), this), "cmdClose");
    for (QPushButton *b : {cmdCancel, cmdEdit, cmdClose}) {
        setFontOnShow(b, small);
        b->setAutoDefault(false);
    }
    place(cmdCancel, 105, 5775, 750, 225);
    place(cmdEdit, 840, 5775, 750, 540);
    place(cmdClose, 105, 5985, 750, 330);
    cmdCancel->setEnabled(false);
    guardedConnect(cmdEdit, &QPushButton::clicked, this, &frmWorldMap::enterEditMode);
    guardedConnect(cmdCancel, &QPushButton::clicked, this, &frmWorldMap::leaveEditMode);
    closesWith(cmdClose);
    pointsWithHand({cmdEdit, cmdCancel, cmdClose});
}

void frmWorldMap::buildMarker(const QFont &small)
{
    lblCurTime = named(new QLabel(QStringLiteral("00:00:00"), this), "lblCurTime");
    setFontOnShow(lblCurTime, pixelFont(font(), 9, true));
    passMouse(lblCurTime);
    imgCur = named(new QLabel(this), "imgCur");
    imgCur->setPixmap(markerPicture(Marker::Empty, devicePixelRatioF()));
    imgCur->resize(kMarkerSize, kMarkerSize);
    passMouse(imgCur);
    placeMarker(0, 0);

    linX = named(new QFrame(this), "linX");
    linY = named(new QFrame(this), "linY");
    txtLeft = named(new QLabel(QStringLiteral("000"), this), "txtLeft");
    txtTop = named(new QLabel(QStringLiteral("000"), this), "txtTop");
    for (QFrame *line : {linX, linY}) {
        line->setAutoFillBackground(true);
        QPalette p = line->palette();
        p.setColor(QPalette::Window, kCrosshair);
        line->setPalette(p);
    }
    for (QLabel *readout : {txtLeft, txtTop})
        setFontOnShow(readout, small);
    for (QWidget *w : std::initializer_list<QWidget *> {linX, linY, txtLeft, txtTop}) {
        passMouse(w);
        w->hide();
    }
}

void frmWorldMap::buildRuler()
{
    QFont terminal(QStringLiteral("Terminal"));
    terminal.setStyleHint(QFont::TypeWriter);
    terminal.setPointSize(6);
    terminal.setBold(true);
    const auto label = [&](int number, const QString &text, int column, bool raised) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QStringLiteral("Label%1").arg(number));
        setFontOnShow(l, terminal);
        l->setAlignment(Qt::AlignCenter);
        place(l, rulerLeft(column), kRulerTopTwips - (raised ? kRulerHeightTwips : 0), kRulerWidthTwips,
            kRulerHeightTwips);
        passMouse(l);
    };
    int number = 3;
    for (int column = 0; column < kRulerColumns; ++column) {
        const int zone = column <= 23 ? column - 11 : column - 35;
        const QString text = zone > 0 ? QStringLiteral("+%1").arg(zone) : QString::number(zone);
        if (column == kRulerColumns - 1)
            label(number++, QStringLiteral("-12"), 23, true);
        label(number++, text, column, false);
    }
}

void frmWorldMap::setFontOnShow(QWidget *w, const QFont &f)
{
    m_fontsOnShow.append({w, f});
}

void frmWorldMap::applyFonts()
{
    for (const auto &[w, f] : std::as_const(m_fontsOnShow))
        w->setFont(f);
    m_fontsOnShow.clear();
    for (QWidget *w : std::initializer_list<QWidget *> {lblCurTime, txtLeft, txtTop})
        w->adjustSize();
}

void frmWorldMap::loadSteps()
{
    m_editing = false;
    txtCurCountry->setText(QStringLiteral("..."));
    txtID->clear();
    txtCLeft->setText(QStringLiteral("000"));
    txtCTop->setText(QStringLiteral("000"));
    placeMarker(0, 0);

    imgCur->setPixmap(markerPicture(Marker::Empty, devicePixelRatioF()));
    m_markerPhase = true;
    m_pointerPhase = true;

    // Through no selection, so the main list's country arrives as a change and
    // sets the caption.
    cmbWMCountry->setCurrentIndex(-1);
    cmbWMCountry->setCurrentIndex(m_main.selectedCountry());
    Timer1->start();
    locateOrLog();
}

void frmWorldMap::selectCountry(int index)
{
    if (!isLoaded())
        Load();
    cmbWMCountry->setCurrentIndex(index);
}

QString frmWorldMap::locationFile() const
{
    return m_env.programFile(QLatin1StringView(kLocationFileName));
}

QString frmWorldMap::shippedLocationFile() const
{
    return m_env.shippedFile(QLatin1StringView(kLocationFileName));
}

void frmWorldMap::LocateCountry()
{
    const int index = m_main.selectedCountry();
    const QString name = m_main.countryName(index);
    const LocationScan scan = scanLocations(readLocationFile(locationFile(), shippedLocationFile()), name);
    if (scan.locatedName) {
        txtCurCountry->setText(*scan.locatedName);
        txtID->setText(QString::number(index));
    }
    if (scan.position) {
        placeMarker(scan.position->x, scan.position->y);
        txtCLeft->setText(scan.position->xText);
        txtCTop->setText(scan.position->yText);
    }
    if (scan.error)
        throw *scan.error;
    // Another country's bad line is no reason to fail this one; it goes to
    // the log as a location error does.
    if (scan.skipped)
        m_main.log(errorText(*scan.skipped));
}

void frmWorldMap::locateOrLog()
{
    try {
        LocateCountry();
    } catch (const AppError &e) {
        m_main.log(errorText(e));
    }
}

void frmWorldMap::locateOrEnd()
{
    try {
        LocateCountry();
    } catch (const AppError &e) {
        endOnError(e);
    }
}

void frmWorldMap::endOnError(const AppError &e)
{
    const QString title = QStringLiteral("Error ") + QString::number(e.number) + QStringLiteral(" : ") + e.description;
    const QString text = QStringLiteral("File \"wlocation.dat\" missed or is in invalid format\r\n"
                                        "try reinstalling the program,\r\n\r\n"
                                        "Unable to continue, now closing ")
        + QString::fromLatin1(kProgramTitle) + QStringLiteral("...");
    m_env.dialogs->message(Dialogs::Icon::Critical, text, title);
    // The session's settings (the country, the window positions) are written
    // as at any exit; the program ends even where that fails.
    if (!guarded([&] { m_main.Unload(1); }) && m_env.endProgram)
        m_env.endProgram(1);
}

void frmWorldMap::cmbWMCountryChanged(int index)
{
    if (index < 0)
        return;
    m_main.chooseCountry(index);
    setWindowTitle(QStringLiteral("World Map - ") + cmbWMCountry->currentText());
}

void frmWorldMap::placeMarker(int x, int y)
{
    // A position far off the map is as unseen as one just off it; bounded,
    // neither the label's offset nor the conversion to pixels can overflow.
    constexpr int kFarTwips = 1'000'000;
    x = std::clamp(x, -kFarTwips, kFarTwips);
    y = std::clamp(y, -kFarTwips, kFarTwips);
    imgCur->move(twipsToPixels(x), twipsToPixels(y));
    lblCurTime->move(twipsToPixels(x + 8), twipsToPixels(y + 8));
}

void frmWorldMap::Timer1Tick()
{
    if (m_markerPhase) {
        imgCur->setPixmap(markerPicture(Marker::Full, devicePixelRatioF()));
        lblCurTime->setText(m_main.localTime());
        lblCurTime->adjustSize();
    } else {
        imgCur->setPixmap(markerPicture(Marker::Empty, devicePixelRatioF()));
    }
    m_markerPhase = !m_markerPhase;
}

void frmWorldMap::Timer2Tick()
{
    setCursor(markerCursor(m_pointerPhase ? Marker::Full : Marker::Empty, devicePixelRatioF()));
    lblCFlash->setText(m_pointerPhase ? QStringLiteral("..") : QStringLiteral("..."));
    m_pointerPhase = !m_pointerPhase;
}

void frmWorldMap::enterEditMode()
{
    Timer2->start();
    imgCur->hide();
    lblCurTime->hide();
    setCursor(markerCursor(Marker::Empty, devicePixelRatioF()));
    cmdCancel->setEnabled(true);
    cmdEdit->setEnabled(false);
    m_editing = true;
    setEscapeButton(cmdCancel);
    // The keys go to the window, whose crosshair starts on the marker.
    m_keyPointer = {pixelsToTwips(imgCur->x()), pixelsToTwips(imgCur->y())};
    setFocus();
}

bool frmWorldMap::editKey(const QKeyEvent *event)
{
    const int step = pixelsToTwips(event->modifiers() & Qt::ShiftModifier ? 10 : 1);
    QPoint move;
    switch (event->key()) {
    case Qt::Key_Left:
        move = {-step, 0};
        break;
    case Qt::Key_Right:
        move = {step, 0};
        break;
    case Qt::Key_Up:
        move = {0, -step};
        break;
    case Qt::Key_Down:
        move = {0, step};
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        guarded([&] { storeLocation(m_keyPointer); });
        return true;
    default:
        return false;
    }
    const QPoint last(pixelsToTwips(width() - 1), pixelsToTwips(height() - 1));
    m_keyPointer = QPoint(
        std::clamp(m_keyPointer.x() + move.x(), 0, last.x()), std::clamp(m_keyPointer.y() + move.y(), 0, last.y()));
    guarded([&] { trackPointer(m_keyPointer); });
    return true;
}

void frmWorldMap::leaveEditMode()
{
    linX->hide();
    linY->hide();
    lblCFlash->setText(QStringLiteral("."));
    txtTop->hide();
    txtLeft->hide();
    cmdCancel->setEnabled(false);
    cmdEdit->setEnabled(true);
    imgCur->show();
    lblCurTime->show();
    unsetCursor();
    m_editing = false;
    Timer2->stop();
    setEscapeButton(closeButton());
    cmbWMCountry->setFocus();
}

void frmWorldMap::trackPointer(QPoint twips)
{
    const int x = twips.x();
    const int y = twips.y();
    txtLeft->setText(QString::number(x));
    txtTop->setText(QString::number(y));
    txtLeft->adjustSize();
    txtTop->adjustSize();
    if (!m_editing)
        return;
    txtCLeft->setText(QString::number(x));
    txtCTop->setText(QString::number(y));
    linX->setGeometry(0, twipsToPixels(y), width(), 1);
    linY->setGeometry(twipsToPixels(x), 0, 1, height());
    txtTop->move(0, twipsToPixels(y + 1));
    txtLeft->move(twipsToPixels(x + 1), 0);
    for (QWidget *w : std::initializer_list<QWidget *> {linX, linY, txtTop, txtLeft}) {
        w->show();
        w->raise();
    }
}

void frmWorldMap::storeLocation(QPoint twips)
{
    bool located = false;
    const int index = txtID->text().toInt(&located);
    if (located && index >= 0 && index < m_main.countryCount()) {
        // The file as it is now, not as it was when edit mode began: another
        // copy of the program may have stored a marker since.
        try {
            if (orbilex::storeLocation(
                    locationFile(), m_main.countryName(index), twips.x(), twips.y(), shippedLocationFile()))
                placeMarker(twips.x(), twips.y());
        } catch (const AppError &e) {
            m_env.dialogs->message(Dialogs::Icon::Warning, errorText(e), QString::fromLatin1(kProgramTitle));
        }
    }
    leaveEditMode();
}

void frmWorldMap::paintEvent(QPaintEvent *)
{
    // Every selection loads this window hidden; the picture is decoded only
    // when the map is first painted, so a start that never shows it does not
    // pay for it.
    // A window moved to a screen of another density takes the other picture.
    const qreal ratio = devicePixelRatioF() > 1 ? 2 : 1;
    if (m_map.isNull() || m_map.devicePixelRatio() != ratio)
        m_map = densePicture(QStringLiteral(":/worldmap.png"), ratio);
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_map);
}

void frmWorldMap::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    guarded([&] { trackPointer({pixelsToTwips(p.x()), pixelsToTwips(p.y())}); });
}

void frmWorldMap::mousePressEvent(QMouseEvent *event)
{
    if (!m_editing) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint p = event->position().toPoint();
    guarded([&] { storeLocation({pixelsToTwips(p.x()), pixelsToTwips(p.y())}); });
}

void frmWorldMap::keyPressEvent(QKeyEvent *event)
{
    if (pressEscapeButton(event))
        return;
    if (m_editing && editKey(event))
        return;
    QWidget::keyPressEvent(event);
}

void frmWorldMap::showEvent(QShowEvent *event)
{
    if (!event->spontaneous() && !m_fontsOnShow.isEmpty())
        applyFonts();
    CompanionWindow::showEvent(event);
}

void frmWorldMap::unloadSteps()
{
    guarded([&] { leaveEditMode(); });
    Timer1->stop();
}

} // namespace orbilex
