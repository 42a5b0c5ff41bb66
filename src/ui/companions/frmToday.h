#pragma once

#include "ui/companions/companionwindow.h"

class QLabel;
class QTableWidget;

namespace orbilex {

// Today's facts of the main window's country beside its record, fact by fact,
// with the source of each; it follows the main window's selection while shown.
class frmToday final : public CompanionWindow
{
    Q_OBJECT
public:
    frmToday(Environment &env, MainWindowLink &main);

    // The country the window shows; -1 before the first showing.
    int shownCountry() const { return m_country; }

protected:
    void loadSteps() override;

private:
    void buildWindow();
    void showCountry();
    void cmdCopyClicked();

    int m_country = -1;
    QLabel *lblTodayCountry = nullptr;
    QLabel *lblTodayNote = nullptr;
    QTableWidget *grdToday = nullptr;
};

} // namespace orbilex
