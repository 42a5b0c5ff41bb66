#include "ui/main/frmMain.h"

#include "data/codelists.h"
#include "data/countries.h"
#include "data/text.h"
#include "ui/flags.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace orbilex {

frmMain::frmMain(QWidget *parent)
    : QWidget(parent)
    , cmbCountryName(new QComboBox(this))
    , txtCountryName(new QLineEdit(QStringLiteral("unknown"), this))
    , picFlag(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Orbilex"));

    cmbCountryName->setObjectName(QStringLiteral("cmbCountryName"));
    cmbCountryName->setEditable(false);
    txtCountryName->setObjectName(QStringLiteral("txtCountryName"));
    txtCountryName->setReadOnly(true);
    picFlag->setObjectName(QStringLiteral("picFlag"));
    picFlag->setFixedSize(52, 30);
    picFlag->setAccessibleName(QStringLiteral("Flag"));

    auto *form = new QFormLayout(this);
    auto *countryLabel = new QLabel(QStringLiteral("&Country:"), this);
    countryLabel->setBuddy(cmbCountryName);
    form->addRow(countryLabel, cmbCountryName);
    auto *nameLabel = new QLabel(QStringLiteral("Name:"), this);
    nameLabel->setBuddy(txtCountryName);
    form->addRow(nameLabel, txtCountryName);
    form->addRow(QString(), picFlag);

    FillCodeLists();
    connect(cmbCountryName, &QComboBox::currentIndexChanged, this, &frmMain::SelectCountry);
    cmbCountryName->setCurrentIndex(0);
    SelectCountry();
    cmbCountryName->setFocus();
}

void frmMain::FillCodeLists()
{
    for (std::string_view name : kCountryNames)
        cmbCountryName->addItem(qs(name));
}

void frmMain::SelectCountry()
{
    const int i = cmbCountryName->currentIndex();
    if (i < 0 || i >= kCountryCount)
        return;
    txtCountryName->setText(cmbCountryName->currentText());
    picFlag->setPixmap(flagOrEmpty(qs(kCodes[std::size_t(i)].fips)));
}

} // namespace orbilex
