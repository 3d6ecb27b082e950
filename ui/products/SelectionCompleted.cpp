// The selection-complete panel: output buttons enabled by the product object, and its "Show" setting.
#include "products/SelectionCompleted.h"

#include "platform/Settings.h"
#include "product/TesmaraObject.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
// The product object's CAD commands, in its order: view, print DXF, print HPGL, preferences, save.
constexpr int kCadView = 0;
constexpr int kCadPrintDxf = 1;
constexpr int kCadPrintHpgl = 2;
constexpr int kCadSave = 4;

QGroupBox* Group(const QString& strTitle, const QList<QPushButton*>& buttons)
{
    auto* pGroup = new QGroupBox(strTitle);
    pGroup->setAccessibleName(strTitle);
    auto* pLayout = new QVBoxLayout(pGroup);
    for (QPushButton* pButton : buttons)
        pLayout->addWidget(pButton);
    return pGroup;
}
} // namespace

CSelectionCompleted::CSelectionCompleted(CTesmaraObject& product, ISettings& settings, int nTemplate,
                                         std::function<void(int)> fnCommand, QWidget* pParent)
    : QDialog(pParent), m_settings(settings), m_nTemplate(nTemplate == WithCad ? WithCad : WithoutCad),
      m_fnCommand(std::move(fnCommand))
{
    const bool bCad = m_nTemplate == WithCad;
    setWindowTitle(QCoreApplication::translate("CSelectionCompleted", "Selection Complete"));

    QGroupBox* pCad = nullptr;
    if (bCad)
    {
        pCad =
            Group(QCoreApplication::translate("CSelectionCompleted", "CAD Options"),
                  {AddCommandButton(QCoreApplication::translate("CSelectionCompleted", "&View CAD Drawing"),
                                    outputcmd::ViewCadDrawing, product.IsCadCommandEnabled(kCadView)),
                   AddCommandButton(QCoreApplication::translate("CSelectionCompleted", "&Print CAD - DXF"),
                                    outputcmd::PrintCadDxf, product.IsCadCommandEnabled(kCadPrintDxf)),
                   AddCommandButton(QCoreApplication::translate("CSelectionCompleted", "Print CAD - &HPGL"),
                                    outputcmd::PrintCadHpgl, product.IsCadCommandEnabled(kCadPrintHpgl)),
                   AddCommandButton(QCoreApplication::translate("CSelectionCompleted", "&Generate CAD File"),
                                    outputcmd::GenerateCadFile, product.IsCadCommandEnabled(kCadSave))});
    }
    QGroupBox* pOrdering =
        Group(QCoreApplication::translate("CSelectionCompleted", "Ordering Options"),
              {AddCommandButton(QCoreApplication::translate("CSelectionCompleted", "&Add to OrderPad"),
                                outputcmd::AddToOrderPad, product.IsOrderPadEnabled())});
    const bool bReport = product.IsViewSelectionReportEnabled();
    QGroupBox* pReport =
        Group(QCoreApplication::translate("CSelectionCompleted", "Selection Report Options"),
              {AddCommandButton(QCoreApplication::translate("CSelectionCompleted", "View &Selection Report"),
                                outputcmd::ViewSelectionReport, bReport),
               AddCommandButton(QCoreApplication::translate("CSelectionCompleted", "Print Selection &Report"),
                                outputcmd::PrintSelectionReport, bReport)});

    const QString strShow =
        bCad ? QCoreApplication::translate("CSelectionCompleted", "Show &Options When Selection Completed")
             : QCoreApplication::translate("CSelectionCompleted", "Show Options When Selection Completed");
    m_pShow = new QCheckBox(strShow);
    m_pShow->setAccessibleName(QString(strShow).remove(QLatin1Char('&')));
    m_pShow->setChecked(true);

    const QString strClose = bCad ? QCoreApplication::translate("CSelectionCompleted", "&Close")
                                  : QCoreApplication::translate("CSelectionCompleted", "Close");
    auto* pClose = new QPushButton(strClose);
    pClose->setAccessibleName(QCoreApplication::translate("CSelectionCompleted", "Close"));
    pClose->setDefault(true);
    connect(pClose, &QPushButton::clicked, this, &CSelectionCompleted::OnClose);

    auto* pGroups = new QHBoxLayout;
    if (pCad)
        pGroups->addWidget(pCad);
    auto* pRight = new QVBoxLayout;
    pRight->addWidget(pOrdering);
    pRight->addWidget(pReport);
    pRight->addStretch();
    pGroups->addLayout(pRight);

    auto* pBottom = new QHBoxLayout;
    pBottom->addWidget(m_pShow);
    pBottom->addStretch();
    pBottom->addWidget(pClose);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pGroups);
    pLayout->addLayout(pBottom);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
    pClose->setFocus();
}

QPushButton* CSelectionCompleted::AddCommandButton(const QString& strText, int nCommandId, bool bEnabled)
{
    auto* pButton = new QPushButton(strText, this);
    pButton->setAccessibleName(QString(strText).remove(QLatin1Char('&')));
    pButton->setProperty("commandId", nCommandId);
    pButton->setEnabled(bEnabled);
    connect(pButton, &QPushButton::clicked, this,
            [this, nCommandId]
            {
                if (m_fnCommand)
                    m_fnCommand(nCommandId);
            });
    return pButton;
}

QPushButton* CSelectionCompleted::CommandButton(int nCommandId) const
{
    for (QPushButton* pButton : findChildren<QPushButton*>())
        if (pButton->property("commandId").toInt() == nCommandId)
            return pButton;
    return nullptr;
}

void CSelectionCompleted::OnClose()
{
    m_settings.WriteInt(kSelectionCompletedShowKey, m_pShow->isChecked() ? 1 : 0);
    accept();
}
