#pragma once

#include "platform/environment.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orbilex {

class frmMain;

// Latitudes and longitudes of United States places, state by state: a list to
// scroll, a line to choose and copy. The window reads nothing from the country
// data and hands nothing back.
//
// cmbMainList is an always-open list with a text field above it ("text" and
// "items" inside it). Choosing a line writes it into the field; typing into
// the field leaves no line chosen, and copying then takes the typed text.
//
// The window stays an object for as long as the main window lives; closing it
// unloads it (position saved) and the next showing loads it again on line 0.
class frmLat : public QWidget
{
    Q_OBJECT
public:
    frmLat(Environment &env, frmMain &main);
    ~frmLat() override;

    bool isLoaded() const { return m_loaded; }

    static constexpr int kClientWidthTwips = 7455;
    static constexpr int kClientHeightTwips = 5460;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildWindow();
    void Load();
    void fillList();
    void lineChosen(int row);
    void textTyped();
    void Command2Clicked();
    void savePosition();

    Environment &m_env;
    frmMain &m_main;
    bool m_loaded = false;

    QLabel *lblTitle = nullptr;
    QWidget *cmbMainList = nullptr;
    QLineEdit *m_listText = nullptr;
    QListWidget *m_listItems = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command1 = nullptr;
};

} // namespace orbilex
