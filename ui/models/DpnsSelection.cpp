// "Rapid Selection": the series list and the opening of its type dialog.
#include "models/DpnsSelection.h"

#include "app/DialogRunner.h"
#include "catalogue/Catalogue.h"
#include "models/DpnsAccumBase.h"
#include "models/ModelDialogs.h"
#include "models/RapidLists.h"
#include "models/RapidStrings.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "product/AccumulatorObjectDPNS.h"
#include "product/StepDialogs.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

CDpnsSelection::CDpnsSelection(CAccumulatorObjectDPNS& product, std::function<int()> fnDone, QWidget* pParent)
    : QDialog(pParent), m_product(product), m_fnDone(std::move(fnDone))
{
    setWindowTitle(QString::fromStdString(LoadString(rapidtext::kSeriesDialogTitle)));

    m_pList = new QTreeWidget(this);
    m_pList->setColumnCount(2);
    m_pList->setHeaderLabels({tr("Series"), tr("Description")});
    m_pList->setRootIsDecorated(false);
    m_pList->setAllColumnsShowFocus(true);
    m_pList->setMinimumSize(420, 200);
    m_pList->header()->setStretchLastSection(true);

    const modeldlg::SButtonRow buttons = modeldlg::ButtonRow(this);
    auto* pLayout = new QVBoxLayout(this);
    for (int nId : {rapidtext::kWarning, rapidtext::kNote})
        pLayout->addWidget(DpnsWarning(nId, this));
    pLayout->addWidget(modeldlg::Caption(tr("&Choose Accumulator Series"), this, m_pList));
    pLayout->addWidget(m_pList);
    pLayout->addLayout(buttons.pLayout);

    connect(m_pList, &QTreeWidget::itemDoubleClicked, this, [this] { OnOk(); });
    connect(buttons.pOk, &QPushButton::clicked, this, &CDpnsSelection::OnOk);
    connect(buttons.pCancel, &QPushButton::clicked, this, &CDpnsSelection::reject);
    connect(buttons.pReference, &QPushButton::clicked, this,
            [this] { modeldlg::OpenReference(m_product, std::string(), "CDpnsSelection"); });
    connect(buttons.pHelp, &QPushButton::clicked, this, &CDpnsSelection::OnHelp);

    if (IDatabase* pDb = m_product.Database())
        modeldlg::Guarded(
            [&]
            {
                IQueryDef def(*pDb);
                def.Open("qDpnsSeriesList");
                IRecordset rows(*pDb);
                rows.Open(def);
                for (; !rows.IsEOF(); rows.MoveNext())
                    m_rows.push_back({rows.GetString("Series"), rows.GetString("SeriesCodesDescription"),
                                      rows.GetString("AccumulatorType")});
            });
    for (const SSeriesRow& row : m_rows)
        new QTreeWidgetItem(m_pList, {QString::fromStdString(row.strSeries), QString::fromStdString(row.strDescription)});
    m_pList->resizeColumnToContents(0);
    if (!m_rows.empty())
        m_pList->setCurrentItem(m_pList->topLevelItem(0));
    buttons.pOk->setEnabled(!m_rows.empty());
    m_pList->setFocus();
}

void CDpnsSelection::OnOk()
{
    const int nRow = m_pList->indexOfTopLevelItem(m_pList->currentItem());
    if (nRow < 0 || nRow >= static_cast<int>(m_rows.size()))
        return;
    const SSeriesRow& row = m_rows[static_cast<std::size_t>(nRow)];
    const SRapidType* pType = FindRapidType(row.strType);
    if (!pType)
    {
        // The catalogue names a product type that has no dialog here.
        GetPrompt().Message(tr("\"%1\" (series %2) is not a product type rapid selection knows.")
                                .arg(QString::fromStdString(row.strType), QString::fromStdString(row.strSeries))
                                .toStdString());
        return;
    }
    if (!modeldlg::Guarded([&] { m_product.BeginRapidSelection(*pType, row.strDescription); }))
        return;
    CDpnsAccumBase dialog(m_product, *pType, row.strSeries, m_fnDone, this);
    if (GetDialogRunner().Run(dialog) == dlg::Ok)
        done(dlg::Ok);
}

void CDpnsSelection::reject()
{
    done(dlg::Cancel);
}

void CDpnsSelection::OnHelp()
{
    modeldlg::OpenHelp(m_product, "CDpnsSelection");
}
