// Lookup by code: every code box is also a way in. Typing a code, or picking
// an entry of a box's list, selects the country that has it.

#include "common/apperror.h"
#include "ui/main/frmMain.h"
#include "ui/windowparts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace orbilex {

namespace {

struct StandardBox {
    QComboBox *box;
    int length;
};

} // namespace

void frmMain::connectCodeBoxes()
{
    const StandardBox standard[] = {
        {cmbCountryCode, 2},
        {cmbFIPS, 2},
        {cmbISO3, 3},
        {cmbIOC, 3},
        {cmbCurrencyCode, 3},
        {cmbLanguage, 3},
        {cmbTLD, 3},
    };
    for (const StandardBox &s : standard) {
        guardedConnect(s.box->lineEdit(), &QLineEdit::textEdited, this, [this, s] { codeBoxEdited(s.box, s.length); });
        connect(s.box, &QComboBox::currentIndexChanged, this, [this, box = s.box] { codeBoxChosen(box); });
    }
    guardedConnect(cmbDSCode->lineEdit(), &QLineEdit::textEdited, this, &frmMain::signBoxEdited);
    connect(cmbDSCode, &QComboBox::currentIndexChanged, this, [this] { codeBoxChosen(cmbDSCode); });
    guardedConnect(cmbCode->lineEdit(), &QLineEdit::textEdited, this, &frmMain::cmbCodeEdited);
    // Picking an entry counts even when it is the one already chosen.
    guardedConnect(cmbCode, &QComboBox::activated, this, &frmMain::ListSameCode);
}

void frmMain::codeBoxChosen(QComboBox *box)
{
    const int i = box->currentIndex();
    if (i >= 0)
        guarded([&] { cmbCountryName->setCurrentIndex(i); });
}

void frmMain::codeBoxEdited(QComboBox *box, int length)
{
    const QString typed = box->currentText().trimmed();
    if (typed.size() != length)
        return;
    const std::optional<int> found = findPrefixAfter(
        box->count(), [box](int i) { return box->itemText(i); }, typed, 0);
    if (!found)
        return;
    box->setCurrentIndex(*found);
    if (box->currentText() != box->itemText(*found))
        box->setEditText(box->itemText(*found));
    // The whole code is selected, so the next keystroke replaces it.
    box->lineEdit()->setSelection(0, int(typed.size()));
}

void frmMain::signBoxEdited()
{
    const std::optional<int> choice = signRuleChoice(
        cmbDSCode->count(), [this](int i) { return cmbDSCode->itemText(i); }, cmbDSCode->currentText());
    if (choice) {
        cmbDSCode->setCurrentIndex(*choice);
        if (cmbDSCode->currentText() != cmbDSCode->itemText(*choice))
            cmbDSCode->setEditText(cmbDSCode->itemText(*choice));
    }
    cmbDSCode->lineEdit()->deselect();
    cmbDSCode->lineEdit()->end(false);
}

// Four typed digits take their place in the drop-down; shorter codes are
// looked up without it.
void frmMain::cmbCodeEdited()
{
    const QString typed = cmbCode->currentText().trimmed();
    if (typed.size() == 4) {
        const std::optional<int> found = findPrefixFromTop(
            cmbCode->count(), [this](int i) { return cmbCode->itemText(i); }, typed);
        if (found) {
            cmbCode->setCurrentIndex(*found);
            ListSameCode();
        }
    }
    ListSameCode();
}

void frmMain::setCodeBoxText(QComboBox *box, const QString &text)
{
    if (box->currentText() == text)
        return;
    box->setEditText(text);
    if (box == cmbCode)
        cmbCodeEdited();
    else if (box == cmbDSCode)
        signBoxEdited();
    else
        codeBoxEdited(box, box == cmbCountryCode || box == cmbFIPS ? 2 : 3);
}

void frmMain::handOverCountryCode(const QString &code)
{
    setCodeBoxText(cmbCountryCode, code);
}

} // namespace orbilex
