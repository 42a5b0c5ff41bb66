#pragma once

#include "platform/environment.h"
#include "store/settingskeys.h"

#include <QWidget>

namespace orbilex {

class frmMain;

// The life the companion windows share. The window object lives as long as
// the main window; it loads when it is shown while not loaded, and a close
// unloads it: its position is kept (unless it is minimised), then its own
// unload steps run. The next showing loads it again.
class CompanionWindow : public QWidget
{
public:
    bool isLoaded() const { return m_loaded; }

protected:
    CompanionWindow(Environment &env, frmMain &main, const SettingKey &left, const SettingKey &top);

    // The window's load steps; they set m_loaded.
    virtual void Load() = 0;
    // What the window does on unloading besides keeping its position.
    virtual void unloadSteps() { }

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    Environment &m_env;
    frmMain &m_main;
    bool m_loaded = false;

private:
    const SettingKey &m_leftKey;
    const SettingKey &m_topKey;
};

} // namespace orbilex
