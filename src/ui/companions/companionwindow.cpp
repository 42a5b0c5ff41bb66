#include "ui/companions/companionwindow.h"

#include "common/apperror.h"
#include "ui/windowparts.h"

#include <QCloseEvent>
#include <QShowEvent>

namespace orbilex {

CompanionWindow::CompanionWindow(Environment &env, frmMain &main, const SettingKey &left, const SettingKey &top)
    : QWidget(nullptr, Qt::Window)
    , m_env(env)
    , m_main(main)
    , m_leftKey(left)
    , m_topKey(top)
{
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
            if (!isMinimized())
                saveWindowPosition(*m_env.settings, m_leftKey, m_topKey, this);
        });
        unloadSteps();
        m_loaded = false;
    }
    event->accept();
}

} // namespace orbilex
