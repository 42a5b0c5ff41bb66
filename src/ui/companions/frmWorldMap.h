#pragma once

#include "common/apperror.h"
#include "ui/companions/companionwindow.h"

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <utility>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orbilex {

// The time-zone world map: a blinking flag with the local time on the
// main window's country, a country list mirrored with the main one, and an
// edit mode in which a click stores the country's marker position in
// wlocation.dat.
//
// Unloading also leaves edit mode and stops the blink; the next selection or
// showing loads it again.
class frmWorldMap : public CompanionWindow
{
    Q_OBJECT
public:
    frmWorldMap(Environment &env, MainWindowLink &main);
    ~frmWorldMap() override;

    // The main window's selection arriving here: loads the window, hidden,
    // when it is not loaded.
    void selectCountry(int index);

    // Moves the marker to the main window's country as wlocation.dat places
    // it. Throws AppError when the file or the country's own line cannot be
    // read; what was found before the fault stays shown. Another country's
    // bad line is passed over and logged in the main window.
    void LocateCountry();
    // The main window's "world map" after showing this window: a file that
    // cannot be read for the shown country ends the program.
    void locateOrEnd();

    bool inEditMode() const { return m_editing; }

    static constexpr int kClientWidthTwips = 13860;
    static constexpr int kClientHeightTwips = 7350;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void loadSteps() override;
    void unloadSteps() override;

private:
    void buildWindow();
    void buildReadouts(const QFont &small);
    void buildButtons(const QFont &small);
    void buildMarker(const QFont &small);
    void buildRuler();
    // Every selection loads this window hidden, at the program's start too;
    // its own fonts (each a font to look up and load) wait until it is
    // first shown.
    void setFontOnShow(QWidget *w, const QFont &f);
    void applyFonts();
    void locateOrLog();
    void endOnError(const AppError &e);
    void cmbWMCountryChanged(int index);
    void Timer1Tick();
    void Timer2Tick();
    void enterEditMode();
    void leaveEditMode();
    void trackPointer(QPoint twips);
    void storeLocation(QPoint twips);
    // Edit mode from the keyboard: the arrows move the crosshair, Enter or
    // Space stores it. Returns whether the key was one of them.
    bool editKey(const QKeyEvent *event);
    void placeMarker(int x, int y);
    QString locationFile() const;
    QString shippedLocationFile() const;

    QPixmap m_map;
    bool m_editing = false;
    QPoint m_keyPointer; // the crosshair the keyboard moves, in twips
    bool m_markerPhase = true;
    bool m_pointerPhase = true;
    QList<std::pair<QWidget *, QFont>> m_fontsOnShow;

    QLabel *lblCFlash = nullptr;
    QLineEdit *txtCurCountry = nullptr;
    QLineEdit *txtID = nullptr;
    QLineEdit *txtCLeft = nullptr;
    QLineEdit *txtCTop = nullptr;
    QLabel *imgCur = nullptr;
    QLabel *lblCurTime = nullptr;
    QLabel *txtLeft = nullptr;
    QLabel *txtTop = nullptr;
    QFrame *linX = nullptr;
    QFrame *linY = nullptr;
    QComboBox *cmbWMCountry = nullptr;
    QPushButton *cmdEdit = nullptr;
    QPushButton *cmdCancel = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
};

} // namespace orbilex
