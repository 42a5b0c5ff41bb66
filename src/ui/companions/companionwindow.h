#pragma once

#include "platform/environment.h"
#include "store/settingskeys.h"
#include "ui/companions/mainwindowlink.h"

#include <QList>
#include <QPoint>
#include <QWidget>

#include <initializer_list>
#include <optional>

class QFrame;
class QPushButton;

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
    CompanionWindow(Environment &env, MainWindowLink &main, const char *objectName, const QString &title,
        const IntKey &left, const IntKey &top, std::optional<QPoint> defaultTwips = std::nullopt);

    // Loads the window: its stored position, the main window's icon and the
    // hand over the controls that take it, then the window's own load steps.
    void Load();

    // The button that closes the window; Escape presses it.
    void closesWith(QPushButton *button);
    QPushButton *closeButton() const { return m_closeButton; }
    // The button Escape presses instead, while it is enabled.
    void setEscapeButton(QPushButton *button) { m_escapeButton = button; }
    // Presses the Escape button when the key is a plain Escape; returns
    // whether it did.
    bool pressEscapeButton(const QKeyEvent *event);
    // A close button hardly to be seen, there so that Escape has a button to
    // press.
    QPushButton *addSmallCloseButton(int widthTwips);
    // Controls that point as the main window's buttons do, from every load on.
    void pointsWithHand(std::initializer_list<QWidget *> controls);
    // A line along the window's edges, beneath every other control, that
    // follows the window's size; made before the other controls.
    void addBorder();

    // The window's own load steps.
    virtual void loadSteps() = 0;
    // What the window keeps besides its position; skipped, as the position
    // is, when the window closes minimised.
    virtual void saveSettings() { }
    // What the window does on unloading besides keeping its settings.
    virtual void unloadSteps() { }

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    Environment &m_env;
    MainWindowLink &m_main;

private:
    bool m_loaded = false;
    QPushButton *m_closeButton = nullptr;
    QPushButton *m_escapeButton = nullptr;
    QFrame *m_border = nullptr;
    QList<QWidget *> m_handControls;
    const IntKey m_leftKey;
    const IntKey m_topKey;
    const std::optional<QPoint> m_defaultTwips;
};

} // namespace orbilex
