#pragma once

#include "ui/companions/companionwindow.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QLayout;
class QTimer;

namespace orbilex {

// IP to country: a typed or pasted IPv4 address is looked up in the IP
// database, the country's name shown and its alpha-2 code handed to the main
// window, which selects the country. Optionally the window then closes itself
// after a second and brings the main window back.
//
// The window stays an object for as long as the main window lives; closing it
// unloads it (position and choice saved) and showing it again loads it again,
// clipboard check included.
class frmIP2Location : public CompanionWindow
{
    Q_OBJECT
public:
    frmIP2Location(Environment &env, MainWindowLink &main);

    void Convert();
    void Paste();
    void Copy();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void loadSteps() override;
    void saveSettings() override;
    void unloadSteps() override;

private:
    void buildWindow();
    QLayout *buildButtons();
    void convertOnce(IpDatabase &db);
    void showError();
    void showDatabaseProblem();
    void setStatus(const QString &text, bool red);
    void timIPLErTick();
    void timIPLGTick();

    QLineEdit *txtIPL = nullptr;
    QLabel *lblIPLG = nullptr;
    QCheckBox *chkAuto = nullptr;
    QTimer *timIPLEr = nullptr;
    QTimer *timIPLG = nullptr;
};

} // namespace orbilex
