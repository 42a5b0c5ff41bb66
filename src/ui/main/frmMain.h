#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;

namespace orbilex {

// The main window: one country at a time, chosen in the country list.
class frmMain : public QWidget
{
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);

    // Runs whenever the country list's selection really changes; every way of
    // choosing a country ends here.
    void SelectCountry();

private:
    void FillCodeLists();

    QComboBox *cmbCountryName;
    QLineEdit *txtCountryName;
    QLabel *picFlag;
};

} // namespace orbilex
