#pragma once

#include "ui/companions/companionwindow.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QListWidget;

namespace orbilex {

// A list that is always open, with a text field above it that shows the
// chosen entry. Typing into the field changes nothing else: only choosing an
// entry counts.
class OpenList final : public QWidget
{
    Q_OBJECT
public:
    explicit OpenList(QWidget *parent);

    QLineEdit *textField() const { return m_text; }
    QListWidget *items() const { return m_items; }
    QString text() const;

private:
    QLineEdit *m_text;
    QListWidget *m_items;
};

// The ISO 639 language codes: three mirrored lists (3-letter code, 2-letter
// code, name) over one compiled table, the chosen row shown below them and
// copied to the clipboard on request.
//
// Each load starts again on row 0.
class frmISOLang : public CompanionWindow
{
    Q_OBJECT
public:
    frmISOLang(Environment &env, MainWindowLink &main);

protected:
    void loadSteps() override;

private:
    void buildWindow();
    void fillLists();
    void followRow(int row);
    void cmbLangChosen(int row);
    void showRow();
    void cmdCopyClicked();

    // cmbThree, cmbTwo and cmbLang, left to right.
    std::array<OpenList *, 3> m_lists {};
    QLabel *lblThree = nullptr;
    QLabel *lblTwo = nullptr;
    QLineEdit *txtLangName = nullptr;
};

} // namespace orbilex
