#include "ui/companions/companionwindow.h"

#include "common/apperror.h"
#include "ui/windowparts.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>

namespace orbilex {

CompanionWindow::CompanionWindow(Environment &env, MainWindowLink &main, const char *objectName, const QString &title,
    const IntKey &left, const IntKey &top, std::optional<QPoint> defaultTwips)
    : QWidget(nullptr, Qt::Window)
    , m_env(env)
    , m_main(main)
    , m_leftKey(left)
    , m_topKey(top)
    , m_defaultTwips(defaultTwips)
{
    setObjectName(QLatin1StringView(objectName));
    setWindowTitle(title);
}

void CompanionWindow::Load()
{
    m_loaded = true;
    guarded([&] { restoreWindowPosition(*m_env.settings, m_leftKey, m_topKey, this, m_defaultTwips); });
    guarded([&] { setWindowIcon(m_main.programIcon()); });
    guarded([&] {
        const QCursor hand = m_main.handCursor();
        for (QWidget *control : std::as_const(m_handControls))
            control->setCursor(hand);
    });
    loadSteps();
}

void CompanionWindow::closesWith(QPushButton *button)
{
    m_closeButton = button;
    m_escapeButton = button;
    connect(button, &QPushButton::clicked, this, &QWidget::close);
}

QPushButton *CompanionWindow::addSmallCloseButton(int widthTwips)
{
    constexpr int kHeightTwips = 120;
    QPushButton *button = pushButton(this, "cmdClose", "x");
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(twipsToPixels(widthTwips), twipsToPixels(kHeightTwips));
    // The desktop font is taller than the button; a caption this small fits.
    QFont tiny = button->font();
    tiny.setPixelSize(twipsToPixels(kHeightTwips) - 1);
    button->setFont(tiny);
    button->setAccessibleName(QStringLiteral("Close"));
    closesWith(button);
    return button;
}

void CompanionWindow::pointsWithHand(std::initializer_list<QWidget *> controls)
{
    for (QWidget *control : controls)
        m_handControls << control;
}

void CompanionWindow::addBorder()
{
    m_border = named(new QFrame(this), "shpBorder");
    m_border->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_border->setAttribute(Qt::WA_TransparentForMouseEvents);
}

bool CompanionWindow::pressEscapeButton(const QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier || !m_escapeButton
        || !m_escapeButton->isEnabled())
        return false;
    m_escapeButton->click();
    return true;
}

void CompanionWindow::keyPressEvent(QKeyEvent *event)
{
    if (!pressEscapeButton(event))
        QWidget::keyPressEvent(event);
}

void CompanionWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_border) {
        m_border->setGeometry(rect());
        m_border->lower();
    }
}

void CompanionWindow::showEvent(QShowEvent *event)
{
    if (!event->spontaneous() && !m_loaded)
        Load();
    QWidget::showEvent(event);
}

void CompanionWindow::closeEvent(QCloseEvent *event)
{
    if (m_loaded) {
        guarded([&] {
            if (isMinimized())
                return;
            saveWindowPosition(*m_env.settings, m_leftKey, m_topKey, this);
            saveSettings();
        });
        unloadSteps();
        m_loaded = false;
    }
    event->accept();
}

} // namespace orbilex
