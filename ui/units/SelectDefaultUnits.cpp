// The default-units dialog: eighteen unit lists, the two presets and the reduced and full layouts.
#include "units/SelectDefaultUnits.h"

#include "controls/ComboUnit.h"
#include "controls/NamedButtons.h"
#include "units/UnitConvMap.h"
#include "units/UnitLists.h"
#include "units/UnitTable.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace
{
struct SListCaption
{
    const char* pszCaption;
    int nCategoryId;
};

// The lists in dialog order; the first six form the reduced layout.
constexpr std::array<SListCaption, CDefaultUnits::kCategoryCount> kLists = {{
    {QT_TRANSLATE_NOOP("CSelectDefaultUnits", "Length/Distance"), UnitCategory::Distance},
    {QT_TRANSLATE_NOOP("CSelectDefaultUnits", "Mass"), UnitCategory::Mass},
    {QT_TRANSLATE_NOOP("CSelectDefaultUnits", "Temperature"), UnitCategory::Temperature},
    {QT_TRANSLATE_NOOP("CSelectDefaultUnits", "Time"), UnitCategory::Time},
    {QT_TRANSLATE_NOOP("CSelectDefaultUnits", "Volume"), UnitCategory::Volume},
    {QT_TRANSLATE_NOOP("CSelectDefaultUnits", "Pressure"), UnitCategory::Pressure},
    {QT_TRANSLATE_NOOP("CSelectDefaultUnits", "Acceleration"), UnitCategory::Acceleration},
    {QT_TRANSLATE_NOOP("CSelectDefaultUnits", "Velocity"), UnitCategory::Velocity},
    {QT_TRANSLATE_NOOP("CSelectDefaultUnits", "Mass Flow Rate"), UnitCategory::MassFlowRate},
    {QT_TRANSLATE_NOOP("CSelectDefaultUnits", "Displacement"), UnitCategory::Displacement},
    {QT_TRANSLATE_NOOP("CSelectDefaultUnits", "Density"), UnitCategory::Density},
    {QT_TRANSLATE_NOOP("CSelectDefaultUnits", "Vacuum"), UnitCategory::Vacuum},
    {QT_TRANSLATE_NOOP("CSelectDefaultUnits", "Torque"), UnitCategory::Torque},
    {QT_TRANSLATE_NOOP("CSelectDefaultUnits", "Power"), UnitCategory::Power},
    {QT_TRANSLATE_NOOP("CSelectDefaultUnits", "Force"), UnitCategory::Force},
    {QT_TRANSLATE_NOOP("CSelectDefaultUnits", "Flow"), UnitCategory::FlowRate},
    {QT_TRANSLATE_NOOP("CSelectDefaultUnits", "Kinematic Viscosity"), UnitCategory::KinematicViscosity},
    {QT_TRANSLATE_NOOP("CSelectDefaultUnits", "Absolute Viscosity"), UnitCategory::AbsoluteViscosity},
}};
constexpr std::size_t kReducedCount = 6;
constexpr int kColumns = 3;

// A button that Enter does not press: Enter belongs to OK.
QPushButton* SideButton(const QString& strText)
{
    QPushButton* pButton = NamedButton(strText);
    pButton->setAutoDefault(false);
    return pButton;
}
} // namespace

CSelectDefaultUnits::CSelectDefaultUnits(CDefaultUnits& current, const CDefaultUnits& metric,
                                         const CDefaultUnits& standard, QWidget* pParent)
    : QDialog(pParent), m_current(current), m_metric(metric), m_standard(standard),
      m_nUnitType(current.UnitType()),
      m_pDetail(SideButton(QCoreApplication::translate("CSelectDefaultUnits", "More Detail")))
{
    setWindowTitle(QCoreApplication::translate("CSelectDefaultUnits", "Unit Defaults"));

    auto* pGrid = new QGridLayout;
    for (std::size_t i = 0; i < kLists.size(); ++i)
    {
        const QString strCaption = QCoreApplication::translate("CSelectDefaultUnits", kLists[i].pszCaption);
        SList& list = m_lists[i];
        list.nCategoryId = kLists[i].nCategoryId;
        list.pBox = new QGroupBox(strCaption);
        list.pBox->setAccessibleName(strCaption);
        list.pList = new CComboUnit;
        list.pList->setAccessibleName(strCaption);
        list.pList->FillCategory(list.nCategoryId);
        auto* pBoxLayout = new QVBoxLayout(list.pBox);
        pBoxLayout->addWidget(list.pList);
        pGrid->addWidget(list.pBox, static_cast<int>(i) / kColumns, static_cast<int>(i) % kColumns);

        connect(list.pList, &QComboBox::currentIndexChanged, this,
                [this]
                {
                    if (!m_bSelecting)
                        m_nUnitType = CDefaultUnits::kCustom;
                });
    }
    // Equal columns, wide enough for every list, so the dialog keeps its width in both layouts.
    int nColumnWidth = 0;
    for (const SList& list : m_lists)
        nColumnWidth = std::max(nColumnWidth, list.pBox->sizeHint().width());
    for (int nColumn = 0; nColumn < kColumns; ++nColumn)
    {
        pGrid->setColumnStretch(nColumn, 1);
        pGrid->setColumnMinimumWidth(nColumn, nColumnWidth);
    }

    QPushButton* pMetric =
        SideButton(QCoreApplication::translate("CSelectDefaultUnits", "Reset to &Metric Defaults"));
    QPushButton* pStandard =
        SideButton(QCoreApplication::translate("CSelectDefaultUnits", "Reset to U.S. &Standard Defaults"));
    connect(pMetric, &QPushButton::clicked, this, [this] { ResetTo(m_metric, CDefaultUnits::kMetric); });
    connect(pStandard, &QPushButton::clicked, this,
            [this] { ResetTo(m_standard, CDefaultUnits::kStandard); });
    connect(m_pDetail, &QPushButton::clicked, this, &CSelectDefaultUnits::ToggleDetail);

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    pButtons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    pButtons->button(QDialogButtonBox::Cancel)
        ->setAccessibleName(QCoreApplication::translate("CSelectDefaultUnits", "Cancel"));
    pButtons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(pButtons, &QDialogButtonBox::accepted, this, &CSelectDefaultUnits::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* pResets = new QHBoxLayout;
    pResets->addWidget(pMetric);
    pResets->addWidget(pStandard);
    pResets->addWidget(m_pDetail);
    pResets->addStretch();

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pGrid);
    pLayout->addLayout(pResets);
    pLayout->addWidget(pButtons);
    // The dialog follows its layout, so the reduced layout pulls the buttons up under the six lists.
    pLayout->setSizeConstraint(QLayout::SetFixedSize);

    SelectUnits(m_current);
    for (std::size_t i = kReducedCount; i < m_lists.size(); ++i)
        m_lists[i].pBox->setVisible(false);
}

void CSelectDefaultUnits::SelectUnits(const CDefaultUnits& units)
{
    m_bSelecting = true;
    for (const SList& list : m_lists)
    {
        const QString strText =
            QString::fromStdString(UnitDisplayText(units.GetDefaultUnit(list.nCategoryId)));
        const int nIndex =
            strText.isEmpty() ? -1 : list.pList->findText(strText, Qt::MatchExactly | Qt::MatchCaseSensitive);
        // A unit the table does not know leaves the list as it is rather than blank.
        if (nIndex >= 0)
            list.pList->setCurrentIndex(nIndex);
    }
    m_bSelecting = false;
}

void CSelectDefaultUnits::ResetTo(const CDefaultUnits& units, int nUnitType)
{
    SelectUnits(units);
    m_nUnitType = nUnitType;
}

void CSelectDefaultUnits::ToggleDetail()
{
    m_bDetailed = !m_bDetailed;
    for (std::size_t i = kReducedCount; i < m_lists.size(); ++i)
        m_lists[i].pBox->setVisible(m_bDetailed);
    m_pDetail->setText(m_bDetailed ? QCoreApplication::translate("CSelectDefaultUnits", "Less Detail")
                                   : QCoreApplication::translate("CSelectDefaultUnits", "More Detail"));
    m_pDetail->setAccessibleName(m_pDetail->text());
}

void CSelectDefaultUnits::accept()
{
    for (const SList& list : m_lists)
    {
        // A list with nothing selected keeps the category's unit: a default must never become empty.
        if (list.pList->currentIndex() < 0)
            continue;
        const std::string strCode =
            UnitCodeByDisplayText(list.nCategoryId, list.pList->currentText().toStdString());
        if (!strCode.empty())
            m_current.SetDefaultUnit(list.nCategoryId, strCode);
    }
    m_current.SetUnitType(m_nUnitType);
    QDialog::accept();
}
