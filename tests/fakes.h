#pragma once
// The test side of the environment: a clock the test sets, a shell that
// records what it was asked to open, dialogs that answer from a script, a
// tray that records its life, and settings in a file of the test's own.

#include "platform/environment.h"

#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>

namespace orbilex::test {

class FakeClock final : public Clock
{
public:
    QDateTime utc = QDateTime(QDate(2026, 4, 15), QTime(23, 59, 59), Qt::UTC);
    QDateTime local = QDateTime(QDate(2026, 4, 15), QTime(23, 59, 59));
    QDateTime utcNow() const override { return utc; }
    QDateTime localNow() const override { return local; }
};

class RecordingShell final : public ShellOpen
{
public:
    QStringList opened;
    void open(const QString &address) override { opened << address; }
};

// Every dialog shown is recorded as "kind|title|text"; questions and input
// boxes take their answers from the front of the script, and a dialog the
// script did not expect fails the test through an empty answer queue check.
class ScriptedDialogs final : public Dialogs
{
public:
    struct Shown {
        QString kind;
        Icon icon;
        QString title;
        QString text;
        QString initial;
        bool noIsDefault = false;
    };
    std::vector<Shown> shown;
    std::deque<bool> answers;
    std::deque<QString> inputs;
    int unexpected = 0;

    void message(Icon icon, const QString &text, const QString &title) override
    {
        shown.push_back({QStringLiteral("message"), icon, title, text, {}, false});
    }
    bool question(Icon icon, const QString &text, const QString &title, bool noIsDefault) override
    {
        shown.push_back({QStringLiteral("question"), icon, title, text, {}, noIsDefault});
        if (answers.empty()) {
            ++unexpected;
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString input(const QString &prompt, const QString &title, const QString &initial) override
    {
        shown.push_back({QStringLiteral("input"), Icon::Question, title, prompt, initial, false});
        if (inputs.empty()) {
            ++unexpected;
            return {};
        }
        const QString answer = inputs.front();
        inputs.pop_front();
        return answer;
    }
};

// What the notification area saw. It outlives the icons the program makes
// and removes, so a test can look at it afterwards.
struct FakeTrayState {
    bool isAvailable = true;
    bool doubleClicks = true; // false: a host that reports single clicks only
    bool made = false;
    int creates = 0;
    int destroys = 0;
    QString toolTip;
    TrayIcon *current = nullptr;

    bool exists() const { return made; }
    // The shell reporting the mouse on the icon.
    void send(int message)
    {
        if (current && current->onMessage)
            current->onMessage(message);
    }
};

class FakeTray final : public TrayIcon
{
public:
    explicit FakeTray(FakeTrayState &state)
        : m_state(state)
    {
        m_state.current = this;
    }
    ~FakeTray() override { m_state.current = nullptr; }
    bool available() const override { return m_state.isAvailable; }
    void create() override
    {
        if (!m_state.isAvailable)
            return;
        m_state.made = true;
        ++m_state.creates;
    }
    void destroy() override
    {
        m_state.made = false;
        ++m_state.destroys;
    }
    bool exists() const override { return m_state.made; }
    void setToolTip(const QString &text) override { m_state.toolTip = text; }
    void setIcon(const QIcon &) override { }
    bool reportsDoubleClicks() const override { return m_state.doubleClicks; }

private:
    FakeTrayState &m_state;
};

// An environment whose files all live in one temporary folder.
struct TestEnvironment {
    QTemporaryDir folder;
    Environment env;
    FakeClock *clock = nullptr;
    RecordingShell *shell = nullptr;
    ScriptedDialogs *dialogs = nullptr;
    FakeTrayState trayState;
    // Set once the program has made its first tray icon.
    FakeTrayState *tray = nullptr;

    TestEnvironment()
    {
        env.programFolder = QDir(folder.path());
        env.settings = std::make_unique<SettingsStore>(
            std::make_unique<QSettings>(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat));
        auto c = std::make_unique<FakeClock>();
        clock = c.get();
        env.clock = std::move(c);
        auto s = std::make_unique<RecordingShell>();
        shell = s.get();
        env.shell = std::move(s);
        auto d = std::make_unique<ScriptedDialogs>();
        dialogs = d.get();
        env.dialogs = std::move(d);
        env.endProgram = [this](int code) { endings.push_back(code); };
        env.autostartFolder = folder.filePath(QStringLiteral("autostart"));
        env.makeTrayIcon = [this] {
            tray = &trayState;
            return std::make_unique<FakeTray>(trayState);
        };
    }

    // The exit codes the program asked to end with.
    std::vector<int> endings;

    QString setting(const char *key) const { return env.settings->read(TextKey {key}); }
    void setSetting(const char *key, const QString &value) { env.settings->write(TextKey {key}, value); }
    QString file(const QString &name) const { return folder.filePath(name); }
};

} // namespace orbilex::test
