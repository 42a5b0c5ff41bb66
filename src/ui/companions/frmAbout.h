#pragma once

#include "platform/environment.h"

#include <QCursor>
#include <QDialog>

class QLabel;
class QLayout;
class QPlainTextEdit;

namespace orbilex {

// Version, history and glossary, and the program's maintenance: making the
// override store and the IP database usable again, and the uninstall that
// forgets every setting and ends the program.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    // Opened from the main window: owned by it and modal, its buttons
    // pointing as the main window's do.
    frmAbout(Environment &env, QWidget &owner, const QCursor &pointer);
    // Opened from the tray menu: no owner, not modal.
    explicit frmAbout(Environment &env);

    void cmdCoolClick();
    void cmdWebClick();
    void cmdEmailClick();
    void cmdReInsDLLClick();
    void cmdUninstallClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildWindow();
    QLayout *buildButtons();
    void Load(const QCursor &pointer);
    void showIpDatabaseDate();
    void enterProgramFolder() const;
    void registerIniStore() const;
    void registerIpDatabase() const;

    Environment &m_env;

    QPlainTextEdit *txtInfo = nullptr;
    QPlainTextEdit *txtDesc = nullptr;
    QLabel *lblIPDate = nullptr;
};

} // namespace orbilex
