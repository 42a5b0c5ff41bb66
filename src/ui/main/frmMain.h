#pragma once

#include "platform/environment.h"
#include "store/inistore.h"
#include "ui/companions/mainwindowlink.h"
#include "viewlogic/codesearch.h"
#include "viewlogic/fields.h"
#include "viewlogic/localtimefield.h"
#include "viewlogic/recordexport.h"
#include "viewlogic/windowmath.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace orbilex {

class frmSysTray;

// The main window: one country at a time. Every way of choosing a country ends
// as a change of the country list's selection, which runs SelectCountry; the
// mirrored lists stop calling each other because setting a list to the entry
// it already holds raises no event.
//
// Its code is spread over files by concern: construction and layout here,
// selection and display, lookup by code, user overrides, window life.
class frmMain : public QWidget, public MainWindowLink
{
    Q_OBJECT
public:
    explicit frmMain(Environment &env, QWidget *parent = nullptr);
    ~frmMain() override;

    // Shows the window in the state the load chose (normal, minimised or not at all).
    void showAsLoaded();
    // The unload: the settings written, the companion windows closed, then
    // the program ends with exitCode. A fatal error ends the program so too,
    // and the session's settings are not lost.
    void Unload(int exitCode = 0) override;

    // Every way of choosing a country ends in SelectCountry, which shows it.
    void SelectCountry();
    void ShowCountryRecord();
    void ListSameCode();
    void SetIDDNote();
    void SetNDDNote();
    void CheckDST();
    void UpdateCountryTime();
    void SetCountryTime(int minutes);

    // Sets the country list to the entry named so, letter case ignored.
    // Throws AppError when no entry has that name.
    void selectCountryByName(const QString &name);

    // Writes a text into a code box as if it had been typed, running the box's
    // reaction when the text changed; the IP window hands its code over so.
    void setCodeBoxText(QComboBox *box, const QString &text);
    void handOverCountryCode(const QString &code) override;

    // Hides the window (the hide button and Escape).
    void hideToTray();
    // Another start of the program asked for the window: shown, restored
    // from the tray or from minimised, and brought to the front.
    void bringForward() { restoreFromTray(); }

    Environment &environment() const { return m_env; }
    // The tray window while the icon is on; null otherwise.
    frmSysTray *trayWindow() const;

    enum class CompanionKind { IpToCountry, IsoLanguages, WorldMap, Latitudes, About, Today, Count };
    // The companion window, loaded (hidden) on first need; null while that
    // window is not part of the program.
    QWidget *companion(CompanionKind kind);
    QWidget *loadedCompanion(CompanionKind kind) const;
    bool companionVisible(CompanionKind kind) const;
    void showCompanion(CompanionKind kind);

    // What the companion windows take and give back.
    QCursor handCursor() const override;
    QIcon programIcon() const override;
    int countryCount() const override;
    QString countryName(int index) const override;
    int selectedCountry() const override;
    void chooseCountry(int index) override;
    void followSelection(QObject *receiver, std::function<void()> step) override;
    QString countryTime() const override;
    QString localTime() const override;
    QString fipsCode() const override;
    void log(const QString &text) override;
    void showNormalAgain() override;
    QLineEdit *logField() const { return txtLog; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Construction and layout.
    void buildWindow();
    QWidget *buildCountryRow();
    QGroupBox *buildCodesGroup();
    QGroupBox *buildOtherGroup();
    QLayout *buildClocks(QWidget *group);
    QWidget *buildButtonRow();
    QGroupBox *buildOptionsPanel();
    void placePanels();
    void connectButtons();
    void connectLists();
    QCheckBox *fieldCheck(Field f);
    QPushButton *overrideButton(Field f, bool edit);
    void findFieldWidgets();

    // Load and unload.
    void Load();
    void loadFieldChecks();
    void applyStartState();
    void FillCodeLists();
    void FillLanguageList();
    void FillISO3List();
    void FillDSCodeList();
    void chkOptionClicked();
    void timOptionTick();
    void timOptionBackTick();
    int heightTwips() const;
    void setHeightTwips(int twips);
    bool trayEnabled() const;
    void sendToTrayWhenMinimised();

    // Selection and display.
    void countryListKey(QKeyEvent *event);
    void timAutoComboTick();
    void txtCountryNameClicked();
    void lstSameCodeClicked();
    void showReferenceLinks();
    void fillCityList(int country);
    void cmbCityChanged();
    void EnableCityList();
    void DisableCityList();
    void FillUKCities();
    void FillUSCities();
    void SetCityGMT();
    void ShowSameCodeList();
    void ShowNoSameCode();
    void setDialingCodeText(const QString &code);
    void applyOverrides(int country);

    // Lookup by code.
    void connectCodeBoxes();
    void codeBoxEdited(QComboBox *box, int length);
    void signBoxEdited();
    void cmbCodeEdited();
    void codeBoxChosen(QComboBox *box);

    // The search box.
    QLineEdit *buildSearchBox(QWidget *parent);
    QListWidget *searchList();
    void txtSearchEdited();
    void placeSearchList();
    bool searchKey(QKeyEvent *key);
    void chooseSearchMatch(int row);

    // Companion windows.
    QWidget *makeCompanion(CompanionKind kind);
    void connectCompanions();
    void reopenCompanions();
    void writeCompanionState();
    void unloadCompanions();
    void showAbout(bool owned);

    // The tray icon.
    void eSystray();
    void restoreFromTray();
    void trayMouseDown(int button);
    void trayMenuClick(const QString &key);
    void chkTrayClicked();
    void chkRunAtStartClicked();
    void updateHideButton();

    // Today's facts beside the record.
    void buildTodayMarkers();
    void showTodayMarkers();

    // The country clock.
    void timClockTick();
    // The program's title, the country and its time.
    void showTitle();
    // The local-time field: its zone follows the country and the city line.
    void localPlaceChanged();
    void showLocalTime(const QDateTime &utc);

    // Copy and export.
    void connectExport();
    RecordView recordView() const;
    FieldChoice fieldChoice() const;
    void setFieldChecks(bool on);
    void printVersion();

    // Web links and help.
    void connectLinks();
    void openTldLink();
    void enlargeFlag();
    void copyFlag();
    bool linkEvent(QObject *watched, QEvent *event);

    // User overrides.
    void editField(Field f);
    void resetField(Field f);
    void resetCountry();
    void resetFile();
    void Redisplay();
    QString userDbPath() const;
    QString currentSection() const;

    static QString fieldText(const QWidget *field);
    static void setFieldText(QWidget *field, const QString &text);

    Environment &m_env;
    IniStore m_ini;
    TypeAhead m_typeAhead;
    OptionPanelSizes m_panelSizes;
    int m_panelHeightTwips = 0;
    std::unique_ptr<frmSysTray> m_frmSysTray;
    std::array<std::unique_ptr<QWidget>, std::size_t(CompanionKind::Count)> m_companions;
    bool m_startHidden = false;
    bool m_startMinimised = false;
    bool m_unloaded = false;
    // txtGMT shows the user's own override (edited or read from userdb.ini).
    bool m_gmtIsUsers = false;
    LocalTimeClock m_localTime;

    QWidget *m_body = nullptr;

    QComboBox *cmbCountryName = nullptr;
    QLineEdit *txtCountryName = nullptr;
    QLineEdit *txtSearch = nullptr;
    // Made on the first search.
    QListWidget *lstSearch = nullptr;
    QLabel *picFlag = nullptr;
    QLabel *imgEmpty = nullptr;
    QPushButton *cmdZoom = nullptr;
    QPushButton *cmdCopy = nullptr;
    QPushButton *cmdFlag = nullptr;
    QPushButton *cmdFlagCopy = nullptr;

    QComboBox *cmbCountryCode = nullptr;
    QComboBox *cmbTLD = nullptr;
    QComboBox *cmbFIPS = nullptr;
    QComboBox *cmbIOC = nullptr;
    QComboBox *cmbISO3 = nullptr;
    QComboBox *cmbCurrencyCode = nullptr;
    QComboBox *cmbLanguage = nullptr;
    QComboBox *cmbDSCode = nullptr;
    QComboBox *cmbCode = nullptr;
    QListWidget *lstSameCode = nullptr;
    QPlainTextEdit *txtIDD = nullptr;
    QPlainTextEdit *txtNDD = nullptr;
    QLabel *lblTLDURL = nullptr;
    QPushButton *cmdMoreInfo = nullptr;
    QLabel *lblIOCUrl = nullptr;
    QLabel *lblMoreCur = nullptr;
    QLabel *lblCurPic = nullptr;

    QLineEdit *txtLongName = nullptr;
    QLineEdit *txtType = nullptr;
    QLineEdit *txtDep = nullptr;
    QLineEdit *txtLocation = nullptr;
    QLineEdit *txtISONumber = nullptr;
    QLineEdit *txtGMT = nullptr;
    QCheckBox *chkDST = nullptr;
    QLineEdit *txtcTime = nullptr;
    QLineEdit *txtGMTc = nullptr;
    QLineEdit *txtClock = nullptr;
    QLineEdit *txtTzTime = nullptr;
    QLineEdit *txtUrl = nullptr;
    QPushButton *cmdCiaURL = nullptr;
    QLineEdit *txtPInfo = nullptr;
    QComboBox *cmbCity = nullptr;
    QPushButton *cmdLatMore = nullptr;
    QPushButton *cmdAirport = nullptr;
    QPushButton *cmdTimeServer = nullptr;
    QLineEdit *txtLog = nullptr;

    PerField<QCheckBox *> m_fieldChecks;
    // The widget that shows each field; null for the all-cities choice.
    PerField<QWidget *> m_fieldWidgets;
    // Beside each field that has a fact of today: that fact, where it changed.
    PerField<QLabel *> m_todayMarkers;
    QLabel *lblTodaySummary = nullptr;

    QPushButton *cmdCopySel = nullptr;
    QPushButton *cmdCopyAll = nullptr;
    QPushButton *cmdSelAll = nullptr;
    QPushButton *cmdDSelAll = nullptr;
    QPushButton *cmdPrintVer = nullptr;
    QPushButton *cmdMapShow = nullptr;
    QPushButton *cmdIP2Location = nullptr;
    QPushButton *cmdISOLang = nullptr;
    QPushButton *cmdAbout = nullptr;
    QPushButton *cmdToday = nullptr;
    QPushButton *cmdHelp = nullptr;
    QPushButton *cmdResetDB = nullptr;
    QPushButton *cmdDefCount = nullptr;
    QPushButton *cmdExit = nullptr;
    QCheckBox *chkOption = nullptr;

    QGroupBox *Frame1 = nullptr;
    QCheckBox *chkTray = nullptr;
    QCheckBox *chkRunAtStart = nullptr;
    QCheckBox *chkSelHtml = nullptr;

    // Children of the window, so a test can find them by name.
    QTimer *timAutoCombo = nullptr;
    QTimer *timOption = nullptr;
    QTimer *timOptionBack = nullptr;
    QTimer *timClock = nullptr;
};

} // namespace orbilex
