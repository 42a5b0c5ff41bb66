#include "ui/companions/companionwindow.h"

#include "common/apperror.h"
#include "ui/windowparts.h"

#include <QCloseEvent>
#include <QShowEvent>

namespace orbilex {

CompanionWindow::CompanionWindow(
    Environment &env, MainWindowLink &main, const IntKey &left, const IntKey &top, std::optional<QPoint> defaultTwips)
    : QWidget(nullptr, Qt::Window)
    , m_env(env)
    , m_main(main)
    , m_leftKey(left)
    , m_topKey(top)
    , m_defaultTwips(defaultTwips)
{
}

void CompanionWindow::Load()
{
    m_loaded = true;
    guarded([&] { restoreWindowPosition(*m_env.settings, m_leftKey, m_topKey, this, m_defaultTwips); });
    loadSteps();
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
