#include "desktop/XPButton.h"
#include "desktop/xpbuttonlayout.h"
#include "mainwindow.h"
#include "ui/companions/frmIP2Location.h"
#include "ui/companions/frmISOLang.h"

#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTest>
#include <QToolButton>

using namespace orbilex;

namespace {

constexpr QRgb kBackground = qRgb(255, 255, 255);
constexpr QRgb kText = qRgb(0, 0, 0);
constexpr QRgb kGreyText = qRgb(128, 128, 128);
constexpr QRgb kFocus = qRgb(255, 0, 255);
constexpr QRgb kRed = qRgb(255, 0, 0); // the normal picture
constexpr QRgb kBlue = qRgb(0, 0, 255); // the down picture

// Paints each look in a colour of its own, the focus rectangle as a one-pixel
// outline and a caption as the solid box its text fills, so a grab tells
// exactly what the button asked its style for and where.
class LookColourStyle : public QProxyStyle
{
public:
    LookColourStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }

    static QRgb lookColour(ButtonLook look)
    {
        switch (look) {
        case ButtonLook::Normal:
            return qRgb(208, 208, 208);
        case ButtonLook::Hot:
            return qRgb(255, 224, 128);
        case ButtonLook::Pressed:
            return qRgb(128, 160, 255);
        case ButtonLook::Disabled:
            return qRgb(232, 232, 232);
        case ButtonLook::Defaulted:
            return qRgb(160, 224, 160);
        }
        return 0;
    }

    void drawControl(
        ControlElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const override
    {
        const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
        if (element != CE_PushButtonBevel || !button)
            return QProxyStyle::drawControl(element, option, painter, widget);
        ButtonLook look = ButtonLook::Normal;
        if (!(option->state & State_Enabled))
            look = ButtonLook::Disabled;
        else if (option->state & State_Sunken)
            look = ButtonLook::Pressed;
        else if (option->state & State_MouseOver)
            look = ButtonLook::Hot;
        else if (button->features & QStyleOptionButton::DefaultButton)
            look = ButtonLook::Defaulted;
        painter->fillRect(option->rect, QColor(lookColour(look)));
    }

    void drawPrimitive(
        PrimitiveElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const override
    {
        if (element != PE_FrameFocusRect)
            return QProxyStyle::drawPrimitive(element, option, painter, widget);
        painter->setPen(QColor(kFocus));
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    }

    void drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette, bool enabled,
        const QString &text, QPalette::ColorRole role) const override
    {
        // Enabled or not, the text fills the same box; some styles widen it for etching.
        Q_UNUSED(enabled);
        const QRect box = itemTextRect(QFontMetrics(painter->font()), rect, flags, true, text);
        painter->fillRect(box, palette.color(role));
    }
};

QIcon testIcon(bool withDownPicture)
{
    // A 10 x 10 opaque square in a transparent 16 x 16 picture.
    const auto square = [](QRgb colour) {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter(&pixmap).fillRect(3, 3, 10, 10, QColor(colour));
        return pixmap;
    };
    QIcon icon(square(kRed));
    if (withDownPicture)
        icon.addPixmap(square(kBlue), QIcon::Normal, QIcon::On);
    return icon;
}

// The smallest rectangle holding every pixel of the colour.
QRect boxOf(const QImage &image, QRgb colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

int countOf(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

void hover(QWidget *w, bool in)
{
    if (in) {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(w, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(w, &leave);
    }
}

QImage grabOf(QWidget *w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A spot of plain background: inside the focus rectangle, clear of the
// picture and of the caption.
QRgb lookAt(const QImage &image)
{
    return image.pixel(6, 6);
}

} // namespace

class TestXPButton : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QApplication::setStyle(new LookColourStyle);
        QPalette palette = QApplication::style()->standardPalette();
        palette.setColor(QPalette::Window, QColor(kBackground));
        palette.setColor(QPalette::ButtonText, QColor(kText));
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(kGreyText));
        QApplication::setPalette(palette);
    }

    void stateTable_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("hot");
        QTest::addColumn<bool>("pushed");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("focused");
        QTest::addColumn<bool>("isDefault");
        QTest::addColumn<ButtonLook>("look");
        QTest::addColumn<ButtonPicture>("picture");
        using L = ButtonLook;
        using P = ButtonPicture;
        QTest::newRow("plain") << true << false << false << false << false << false << L::Normal << P::Normal;
        QTest::newRow("hovered") << true << true << false << false << false << false << L::Hot << P::Normal;
        QTest::newRow("hovered checked keeps the down picture")
            << true << true << false << true << false << false << L::Hot << P::Down;
        QTest::newRow("hovered and held down")
            << true << true << true << false << false << false << L::Pressed << P::Down;
        QTest::newRow("held down") << true << false << true << false << false << false << L::Pressed << P::Down;
        QTest::newRow("checked") << true << false << false << true << false << false << L::Pressed << P::Down;
        QTest::newRow("checked beats focus")
            << true << false << false << true << true << false << L::Pressed << P::Down;
        QTest::newRow("hover beats focus") << true << true << false << false << true << false << L::Hot << P::Normal;
        QTest::newRow("focused") << true << false << false << false << true << false << L::Defaulted << P::Normal;
        QTest::newRow("default button") << true << false << false << false << false << true << L::Defaulted
                                        << P::Normal;
        QTest::newRow("disabled beats everything")
            << false << true << true << true << true << true << L::Disabled << P::Disabled;
    }
    void stateTable()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, hot);
        QFETCH(bool, pushed);
        QFETCH(bool, checked);
        QFETCH(bool, focused);
        QFETCH(bool, isDefault);
        QFETCH(ButtonLook, look);
        QFETCH(ButtonPicture, picture);
        const ButtonState state = chooseButtonState({enabled, hot, pushed, checked, focused, isDefault});
        QCOMPARE(state.look, look);
        QCOMPARE(state.picture, picture);
    }

    void layout_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QSize>("text");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRect>("caption");
        QTest::addColumn<QRect>("pictureAt");
        QTest::newRow("caption under picture")
            << QSize(80, 50) << QSize(30, 15) << QSize(16, 16) << QRect(0, 30, 80, 15) << QRect(32, 7, 16, 16);
        QTest::newRow("caption alone, a half pixel goes above")
            << QSize(80, 24) << QSize(30, 15) << QSize() << QRect(0, 5, 80, 15) << QRect();
        QTest::newRow("picture alone") << QSize(22, 22) << QSize() << QSize(16, 16) << QRect() << QRect(3, 3, 16, 16);
        QTest::newRow("picture alone, odd room")
            << QSize(23, 21) << QSize() << QSize(16, 16) << QRect() << QRect(4, 3, 16, 16);
        QTest::newRow("neither") << QSize(40, 20) << QSize() << QSize() << QRect() << QRect();
    }
    void layout()
    {
        QFETCH(QSize, client);
        QFETCH(QSize, text);
        QFETCH(QSize, picture);
        QFETCH(QRect, caption);
        QFETCH(QRect, pictureAt);
        const ButtonLayout result = layoutButton(client, text, picture);
        QCOMPARE(result.caption, caption);
        QCOMPARE(result.picture, pictureAt);
        // Whatever the layout, a picture above a caption must give it room.
        const QSize room = pictureButtonContents(text, picture);
        const ButtonLayout roomy = layoutButton(room, text, picture);
        if (!text.isEmpty() && !picture.isEmpty())
            QVERIFY(roomy.picture.top() >= 0 && roomy.picture.bottom() < roomy.caption.top());
    }

    void silhouetteIsOneFlatColour()
    {
        QImage picture(4, 1, QImage::Format_ARGB32);
        picture.setPixel(0, 0, qRgba(255, 0, 0, 255));
        picture.setPixel(1, 0, qRgba(0, 255, 0, 200));
        picture.setPixel(2, 0, qRgba(0, 0, 255, 100));
        picture.setPixel(3, 0, qRgba(0, 0, 0, 0));
        picture.setDevicePixelRatio(2);
        const QImage shape = silhouette(picture, QColor(kGreyText));
        QCOMPARE(shape.size(), picture.size());
        QCOMPARE(shape.devicePixelRatio(), 2.0);
        QCOMPARE(shape.pixel(0, 0), kGreyText);
        QCOMPARE(shape.pixel(1, 0), kGreyText);
        QCOMPARE(qAlpha(shape.pixel(2, 0)), 0);
        QCOMPARE(qAlpha(shape.pixel(3, 0)), 0);
    }

    // One grab per look of a push button with a caption under a picture.
    void pushButtonLooks()
    {
        QWidget host;
        auto *button = new QPushButton(QStringLiteral("&Go"), &host);
        button->setIcon(testIcon(false));
        button->setIconSize(QSize(16, 16));
        button->setGeometry(10, 10, 120, 60);
        ThemeButton(button);
        host.resize(200, 100);
        host.show();
        host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        button->clearFocus();
        const int w = button->width();
        const int h = button->height();

        hover(button, false); // wherever the pointer starts
        QImage normal = grabOf(button);
        QCOMPARE(lookAt(normal), LookColourStyle::lookColour(ButtonLook::Normal));
        QCOMPARE(countOf(normal, kFocus), 0);
        // The caption's last line ends 5 pixels above the bottom edge, centred.
        const QRect caption = boxOf(normal, kText);
        QVERIFY(!caption.isEmpty());
        QCOMPARE(caption.bottom(), h - 1 - kCaptionBottomGap);
        QVERIFY(qAbs(caption.left() - (w - 1 - caption.right())) <= 1);
        // The picture is centred in the space above the caption.
        const QRect picture = boxOf(normal, kRed).adjusted(-3, -3, 3, 3);
        QCOMPARE(picture.size(), QSize(16, 16));
        QCOMPARE(picture.left(), (w - 16) / 2);
        QCOMPARE(picture.top(), qRound((caption.top() - 16) / 2.0));

        hover(button, true);
        const QImage hot = grabOf(button);
        QCOMPARE(lookAt(hot), LookColourStyle::lookColour(ButtonLook::Hot));
        QCOMPARE(boxOf(hot, kRed), boxOf(normal, kRed));
        hover(button, false);
        QCOMPARE(grabOf(button), normal);

        button->setDown(true);
        QCOMPARE(lookAt(grabOf(button)), LookColourStyle::lookColour(ButtonLook::Pressed));
        button->setDown(false);

        button->setFocus();
        QVERIFY(button->hasFocus());
        const QImage focused = grabOf(button);
        QCOMPARE(lookAt(focused), LookColourStyle::lookColour(ButtonLook::Defaulted));
        QCOMPARE(boxOf(focused, kFocus), QRect(3, 3, w - 6, h - 6));
        QCOMPARE(countOf(focused, kFocus), 2 * (w - 6) + 2 * (h - 6) - 4);
        button->clearFocus();

        button->setEnabled(false);
        const QImage disabled = grabOf(button);
        QCOMPARE(lookAt(disabled), LookColourStyle::lookColour(ButtonLook::Disabled));
        QCOMPARE(countOf(disabled, kRed), 0);
        QCOMPARE(countOf(disabled, kText), 0);
        // The picture's opaque square, and only it, turns the grey of the caption.
        const QRect square = boxOf(normal, kRed);
        QCOMPARE(boxOf(disabled.copy(0, 0, w, caption.top()), kGreyText), square);
        QCOMPARE(countOf(disabled.copy(square), kGreyText), square.width() * square.height());
        QCOMPARE(boxOf(disabled.copy(0, caption.top(), w, h - caption.top()), kGreyText).height(), caption.height());
    }

    void checkBoxDrawnAsButton()
    {
        QWidget host;
        auto *box = new QCheckBox(QStringLiteral("&options"), &host);
        box->setIcon(testIcon(true));
        box->setIconSize(QSize(16, 16));
        ThemeButton(box);
        box->adjustSize();
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        // Room for the picture above the caption.
        QVERIFY(box->height() >= 16 + QFontMetrics(box->font()).height() + kCaptionBottomGap);

        box->clearFocus();
        hover(box, false);
        QImage image = grabOf(box);
        QCOMPARE(lookAt(image), LookColourStyle::lookColour(ButtonLook::Normal));
        QVERIFY(countOf(image, kRed) > 0);

        QSignalSpy clicked(box, &QCheckBox::clicked);
        // Far from where a check box has its box and label.
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 3, box->height() - 3));
        QCOMPARE(clicked.count(), 1);
        QVERIFY(box->isChecked());
        image = grabOf(box);
        QCOMPARE(lookAt(image), LookColourStyle::lookColour(ButtonLook::Pressed));
        QCOMPARE(countOf(image, kRed), 0);
        QVERIFY(countOf(image, kBlue) > 0);

        hover(box, true);
        image = grabOf(box);
        QCOMPARE(lookAt(image), LookColourStyle::lookColour(ButtonLook::Hot));
        QVERIFY(countOf(image, kBlue) > 0);
        hover(box, false);

        // Without a down picture of its own the checked box shows its normal one.
        box->setIcon(testIcon(false));
        QVERIFY(countOf(grabOf(box), kRed) > 0);

        // A press that leaves the button before the release is no click.
        QTest::mousePress(box, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(box->isDown());
        QTest::mouseMove(box, QPoint(box->width() + 20, 3));
        QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(box->width() + 20, 3));
        QCOMPARE(clicked.count(), 1);
        QVERIFY(box->isChecked());
        QVERIFY(!box->isDown());

        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(clicked.count(), 2);
        QVERIFY(!box->isChecked());
    }

    void plainKindsAndSizesAreLeftAlone()
    {
        QPushButton push(QStringLiteral("Go"));
        const QSize size = push.sizeHint();
        ThemeButton(&push);
        QVERIFY(isThemedButton(&push));
        QCOMPARE(push.minimumSize(), QSize(0, 0)); // a caption alone fits the button's own size
        QCOMPARE(push.sizeHint(), size);
        QToolButton tool;
        ThemeButton(&tool);
        QVERIFY(!isThemedButton(&tool));
        ThemeButton(nullptr);
        QVERIFY(!isThemedButton(nullptr));
    }

    void mainWindowPictureButtons()
    {
        test::MainWindow m;
        m.open();
        for (const char *name : {"cmdCopyAll", "cmdCopy", "cmdPrintVer", "cmdIP2Location", "cmdHelp", "cmdAbout",
                 "cmdExit", "cmdISOLang", "cmdMapShow", "chkOption", "cmdResetDB"})
            QVERIFY2(isThemedButton(m.get<QAbstractButton>(name)), name);
        QVERIFY(!isThemedButton(m.get<QAbstractButton>("cmdCopySel")));
        auto *options = m.get<QCheckBox>("chkOption");
        QVERIFY(!options->icon().isNull());
        // The window took its size with the taller options button in it, so
        // the whole body shows above the hidden options panel.
        QVERIFY(m.get("body")->sizeHint().height() <= m.window->height());
    }

    // The IP and language windows' picture buttons are themed as well, which
    // loads both windows, hidden, once the main window has shown its first
    // frame; a main window that starts hidden loads them at once.
    void companionPictureButtonsLoadTheirWindowsHidden_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("shown") << true;
        QTest::newRow("hidden") << false;
    }
    void companionPictureButtonsLoadTheirWindowsHidden()
    {
        QFETCH(bool, shown);
        using Kind = frmMain::CompanionKind;
        test::MainWindow m;
        m.open();
        QVERIFY(!m.window->loadedCompanion(Kind::IpToCountry));
        if (shown) {
            m.window->show();
            QVERIFY(QTest::qWaitForWindowExposed(m.window.get()));
        }
        QTRY_VERIFY(m.window->loadedCompanion(Kind::IsoLanguages));
        auto *ip = qobject_cast<frmIP2Location *>(m.window->loadedCompanion(Kind::IpToCountry));
        auto *iso = qobject_cast<frmISOLang *>(m.window->loadedCompanion(Kind::IsoLanguages));
        QVERIFY(ip && iso);
        QVERIFY(ip->isLoaded() && iso->isLoaded());
        QVERIFY(!ip->isVisible() && !iso->isVisible());
        const std::pair<QWidget *, const char *> buttons[] = {{ip, "cmdPaste"}, {ip, "cmdCopy"}, {iso, "cmdCopy"}};
        for (const auto &[window, name] : buttons) {
            auto *b = window->findChild<QPushButton *>(QLatin1StringView(name));
            QVERIFY2(b && isThemedButton(b), name);
            QVERIFY(!b->icon().isNull());
            QVERIFY(!b->text().isEmpty());
            QVERIFY(b->height() >= b->minimumHeight());
        }
    }
};

QTEST_MAIN(TestXPButton)
#include "tst_xpbutton.moc"
