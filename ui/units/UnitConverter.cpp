// The unit conversion dialog: category list, input, two unit lists and the result kept up to date.
#include "units/UnitConverter.h"

#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "platform/StringTable.h"
#include "units/UnitLists.h"
#include "units/UnitTable.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace
{
QLabel* AddLabelled(QGridLayout* pGrid, int nRow, int nColumn, const QString& strLabel, QWidget* pControl)
{
    auto* pLabel = new QLabel(strLabel);
    pLabel->setBuddy(pControl);
    QString strName = strLabel;
    pControl->setAccessibleName(
        strName.remove(QLatin1Char('&')).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    pGrid->addWidget(pLabel, nRow, nColumn);
    pGrid->addWidget(pControl, nRow, nColumn + 1);
    return pLabel;
}

// Wide enough for the longest unit text of the table, so that a change of category
// does not make the dialog jump.
int LongestUnitText()
{
    int nLongest = 0;
    for (const SUnitEntry& entry : UnitTableEntries())
        nLongest = std::max<int>(nLongest, QString::fromStdString(UnitDisplayText(entry.strCode)).size());
    return nLongest;
}
} // namespace

CUnitConverter::CUnitConverter(QWidget* pParent)
    : QDialog(pParent), m_pCategory(new QComboBox), m_pInput(new CEditNumeric), m_pFromUnit(new CComboUnit),
      m_pResult(new CEditNumeric), m_pToUnit(new CComboUnit)
{
    setWindowTitle(QCoreApplication::translate("CUnitConverter", "Unit Conversion"));

    m_pInput->SetAllowMinus(true);
    m_pResult->setReadOnly(true);
    // A read-only field that looks like an entry field invites typing into it.
    QPalette resultPalette = m_pResult->palette();
    resultPalette.setColor(QPalette::Base, resultPalette.color(QPalette::Window));
    m_pResult->setPalette(resultPalette);
    m_pResult->SetShowZero(true);
    for (CComboUnit* pUnits : {m_pFromUnit, m_pToUnit})
    {
        pUnits->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        pUnits->setMinimumContentsLength(LongestUnitText());
    }

    // The categories sorted by name; NONE's empty name sorts first and stays selectable.
    std::vector<std::pair<QString, int>> categories;
    for (int nCategoryId : UnitCategoryIds())
        categories.emplace_back(
            nCategoryId == 0 ? QString() : QString::fromStdString(LoadString(nCategoryId)), nCategoryId);
    std::stable_sort(categories.begin(), categories.end(),
                     [](const auto& a, const auto& b)
                     { return QString::compare(a.first, b.first, Qt::CaseInsensitive) < 0; });
    for (const auto& [strName, nCategoryId] : categories)
        m_pCategory->addItem(strName, nCategoryId);

    auto* pGrid = new QGridLayout;
    AddLabelled(pGrid, 0, 0, QCoreApplication::translate("CUnitConverter", "Unit\nCategory"), m_pCategory);
    AddLabelled(pGrid, 1, 0, QCoreApplication::translate("CUnitConverter", "Input\nValue"), m_pInput);
    AddLabelled(pGrid, 1, 2, QCoreApplication::translate("CUnitConverter", "From\nUnit"), m_pFromUnit);
    AddLabelled(pGrid, 2, 0, QCoreApplication::translate("CUnitConverter", "Result"), m_pResult);
    AddLabelled(pGrid, 2, 2, QCoreApplication::translate("CUnitConverter", "To\nUnit"), m_pToUnit);
    pGrid->setColumnMinimumWidth(2, 12);

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QPushButton* pOk = pButtons->button(QDialogButtonBox::Ok);
    pOk->setDefault(true);
    pOk->setAccessibleName(QStringLiteral("OK"));
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pGrid);
    pLayout->addWidget(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_pCategory, m_pInput);
    setTabOrder(m_pInput, m_pFromUnit);
    setTabOrder(m_pFromUnit, m_pToUnit);
    setTabOrder(m_pToUnit, m_pResult);
    setTabOrder(m_pResult, pOk);

    connect(m_pCategory, &QComboBox::currentIndexChanged, this, &CUnitConverter::OnCategoryChanged);
    connect(m_pInput, &QLineEdit::textChanged, this, &CUnitConverter::Recompute);
    connect(m_pFromUnit, &QComboBox::currentIndexChanged, this, &CUnitConverter::Recompute);
    connect(m_pToUnit, &QComboBox::currentIndexChanged, this, &CUnitConverter::Recompute);

    m_pCategory->setCurrentIndex(m_pCategory->count() > 1 ? 1 : 0);
    OnCategoryChanged();
    m_pInput->setFocus();
}

void CUnitConverter::OnCategoryChanged()
{
    // Refilled together and silently: between the two refills the lists would name units of
    // different categories, and a conversion then would report them as incompatible.
    {
        const QSignalBlocker blockFrom(m_pFromUnit);
        const QSignalBlocker blockTo(m_pToUnit);
        const int nCategoryId = m_pCategory->currentData().toInt();
        for (CComboUnit* pUnits : {m_pFromUnit, m_pToUnit})
        {
            pUnits->clear();
            pUnits->FillCategory(nCategoryId);
            pUnits->setCurrentIndex(pUnits->count() > 0 ? 0 : -1);
        }
    }
    Recompute();
}

void CUnitConverter::Recompute()
{
    if (m_pFromUnit->currentIndex() < 0 || m_pToUnit->currentIndex() < 0)
    {
        m_pResult->clear();
        return;
    }
    m_cudInput.Set(m_pInput->GetDouble(), m_pFromUnit->GetSelectedUnitCode());
    m_cudResult.Set(m_cudInput.GetValue(m_pToUnit->GetSelectedUnitCode()), m_pToUnit->GetSelectedUnitCode());
    // Nothing typed shows no result (0 psi would otherwise read as 1.01 bar); a typed number
    // whose result is 0 shows 0 rather than an empty field that looks like no answer.
    if (m_pInput->text().isEmpty())
    {
        m_pResult->clear();
        return;
    }
    m_pResult->SetValue(m_cudResult, 2, false, true);
}
