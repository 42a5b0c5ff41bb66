#pragma once

#include "platform/environment.h"
#include "store/settingskeys.h"
#include "ui/companions/mainwindowlink.h"

#include <QPoint>
#include <QWidget>

#include <optional>

namespace orbilex {

// The life the companion windows share. The window object lives as long as
// the main window; it loads when it is shown while not loaded, and a close
// unloads it: unless it is minimised its position and its own settings are
// kept, then its own unload steps run. The next showing loads it again.
class CompanionWindow : public QWidget
{
public:
    bool isLoaded() const { return m_loaded; }

protected:
    // The window's position lives under left and top, in twips; without a
    // stored edge the window takes defaultTwips, or the window system's
    // place when there is none.
    CompanionWindow(Environment &env, MainWindowLink &main, const IntKey &left, const IntKey &top,
        std::optional<QPoint> defaultTwips = std::nullopt);

    // Loads the window: its stored position, then its own load steps.
    void Load();

    // The window's own load steps.
    virtual void loadSteps() = 0;
    // What the window keeps besides its position; skipped, as the position
    // is, when the window closes minimised.
    virtual void saveSettings() { }
    // What the window does on unloading besides keeping its settings.
    virtual void unloadSteps() { }

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    Environment &m_env;
    MainWindowLink &m_main;

private:
    bool m_loaded = false;
    const IntKey m_leftKey;
    const IntKey m_topKey;
    const std::optional<QPoint> m_defaultTwips;
};

} // namespace orbilex
