// The order pad window.
#include "outputs/OrderPadWindow.h"

#include "app/WindowPlacement.h"
#include "controls/NamedButtons.h"
#include "outputs/CadFiles.h"
#include "outputs/OrderPadLink.h"
#include "platform/Prompt.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <set>

namespace
{
constexpr int kQuantityColumn = 1;
} // namespace

COrderPadWindow::COrderPadWindow(const std::filesystem::path& inbox, QWidget* pParent)
    : QMainWindow(pParent), m_order(inbox), m_inbox(inbox)
{
    setWindowTitle(QCoreApplication::translate("COrderPadWindow", "Tesmara OrderPad"));
    m_pTable = new QTableWidget(0, 6, this);
    m_pTable->setAccessibleName(QCoreApplication::translate("COrderPadWindow", "Line items"));
    m_pTable->setHorizontalHeaderLabels({QCoreApplication::translate("COrderPadWindow", "Part Number"),
                                         QCoreApplication::translate("COrderPadWindow", "Quantity"),
                                         QCoreApplication::translate("COrderPadWindow", "Division"),
                                         QCoreApplication::translate("COrderPadWindow", "Description"),
                                         QCoreApplication::translate("COrderPadWindow", "Modification"),
                                         QCoreApplication::translate("COrderPadWindow", "Customer Notes")});
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    m_pTable->verticalHeader()->setVisible(false);
    connect(m_pTable, &QTableWidget::itemChanged, this, &COrderPadWindow::OnItemChanged);

    m_pRemove = NamedButton(QCoreApplication::translate("COrderPadWindow", "&Remove Line"), this);
    QPushButton* pExport =
        NamedButton(QCoreApplication::translate("COrderPadWindow", "&Export CSV..."), this);
    QPushButton* pClose = NamedButton(QCoreApplication::translate("COrderPadWindow", "&Close"), this);
    connect(m_pRemove, &QPushButton::clicked, this, &COrderPadWindow::OnRemove);
    connect(pExport, &QPushButton::clicked, this, &COrderPadWindow::OnExport);
    connect(pClose, &QPushButton::clicked, this, &QWidget::close);
    auto* pButtons = new QHBoxLayout;
    pButtons->addWidget(m_pRemove);
    pButtons->addStretch();
    pButtons->addWidget(pExport);
    pButtons->addWidget(pClose);

    auto* pCentral = new QWidget(this);
    auto* pLayout = new QVBoxLayout(pCentral);
    pLayout->addWidget(m_pTable, 1);
    pLayout->addLayout(pButtons);
    setCentralWidget(pCentral);
    PlaceOnScreen(*this, QSize(980, 420));

    LoadOrder();
    std::error_code ec;
    std::filesystem::create_directories(m_inbox, ec);
    m_pWatcher = new QFileSystemWatcher(this);
    m_pWatcher->addPath(QString::fromStdU16String(m_inbox.u16string()));
    // A document arrives by a rename; take it in once the folder is quiet.
    connect(m_pWatcher, &QFileSystemWatcher::directoryChanged, this,
            [this] { QTimer::singleShot(100, this, &COrderPadWindow::Import); });
    m_fnExportPath = [](QWidget* pParent)
    {
        return QFileDialog::getSaveFileName(
            pParent, QCoreApplication::translate("COrderPadWindow", "Export Order"),
            QStringLiteral("Order.csv"),
            QCoreApplication::translate("COrderPadWindow", "Comma-Separated Values (*.csv)"));
    };
    // The order as it was left, and whatever arrived while the order pad was not running.
    ShowOrder();
    Import();
}

bool COrderPadWindow::Listen()
{
    m_pServer = new QLocalServer(this);
    const QString strName = OrderPadServerName(m_inbox);
    if (!m_pServer->listen(strName))
    {
        // A name left behind by an order pad that crashed is taken over.
        QLocalServer::removeServer(strName);
        if (!m_pServer->listen(strName))
            return false;
    }
    connect(m_pServer, &QLocalServer::newConnection, this,
            [this]
            {
                while (QLocalSocket* pSocket = m_pServer->nextPendingConnection())
                {
                    connect(pSocket, &QLocalSocket::disconnected, pSocket, &QObject::deleteLater);
                    Import();
                    showNormal();
                    raise();
                    activateWindow();
                }
            });
    return true;
}

void COrderPadWindow::LoadOrder()
{
    // A saved order that cannot be read is never overwritten: a damaged one is kept aside under a
    // name that says so and a new order starts; one that cannot be read at all stays, and nothing
    // is saved over it.
    std::string strError;
    const EOrderLoad eLoad = m_order.Load(strError);
    if (eLoad == EOrderLoad::Loaded)
        return;
    std::string strKept;
    if (eLoad == EOrderLoad::Damaged)
        strError = m_order.KeepDamagedAside(strKept) ? strError + "\n\n" + strKept : strKept;
    GetPrompt().Message(strError);
}

void COrderPadWindow::Import()
{
    std::vector<std::string> problems;
    const int nAdded = m_order.ImportWaiting(problems);
    if (nAdded > 0 || !problems.empty())
        ShowOrder();
    if (nAdded > 0)
        Status(QCoreApplication::translate("COrderPadWindow", "%1 line item(s) added.").arg(nAdded));
    if (problems.empty())
        return;
    // Every reason of one import together, in one box.
    QStringList texts;
    for (const std::string& strProblem : problems)
        texts << QString::fromStdString(strProblem);
    GetPrompt().Message(QCoreApplication::translate("COrderPadWindow", "Not taken in:").toStdString() + "\n\n" +
                        texts.join(QStringLiteral("\n")).toStdString());
}

void COrderPadWindow::ShowOrder()
{
    m_bFilling = true;
    m_pTable->setRowCount(static_cast<int>(m_order.Lines().size()));
    for (int nRow = 0; nRow < m_pTable->rowCount(); ++nRow)
    {
        const SOrderLineItem& item = m_order.Lines()[static_cast<std::size_t>(nRow)].item;
        for (int nColumn = 0; nColumn < 6; ++nColumn)
        {
            auto* pCell = new QTableWidgetItem(QString::fromStdString(item.*kOrderLineFields[nColumn].pText));
            if (nColumn != kQuantityColumn)
                pCell->setFlags(pCell->flags() & ~Qt::ItemIsEditable);
            m_pTable->setItem(nRow, nColumn, pCell);
        }
    }
    // The notes, last, keep the width that is left rather than their text's.
    for (int nColumn = 0; nColumn + 1 < m_pTable->columnCount(); ++nColumn)
        m_pTable->resizeColumnToContents(nColumn);
    m_pRemove->setEnabled(m_pTable->rowCount() > 0);
    m_bFilling = false;
}

void COrderPadWindow::OnItemChanged(QTableWidgetItem* pItem)
{
    if (m_bFilling || pItem->column() != kQuantityColumn)
        return;
    if (!m_order.SetQuantity(static_cast<std::size_t>(pItem->row()), pItem->text().trimmed().toStdString()))
        Status(
            QCoreApplication::translate("COrderPadWindow", "A quantity is a whole number from 1 to 99999."));
    else
        Save();
    // Shows the quantity as kept: the old one after a refusal.
    QTimer::singleShot(0, this, &COrderPadWindow::ShowOrder);
}

void COrderPadWindow::OnRemove()
{
    std::set<int> rows;
    for (const QModelIndex& index : m_pTable->selectionModel()->selectedRows())
        rows.insert(index.row());
    if (rows.empty() && m_pTable->currentRow() >= 0)
        rows.insert(m_pTable->currentRow());
    if (rows.empty())
        return Status(QCoreApplication::translate("COrderPadWindow", "Select the lines to remove first."));
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        m_order.RemoveLine(static_cast<std::size_t>(*it));
    Save();
    ShowOrder();
}

void COrderPadWindow::OnExport()
{
    const QString strPath = m_fnExportPath(this);
    if (strPath.isEmpty())
        return;
    std::string strError;
    if (WriteFileWhole(std::filesystem::path(strPath.toStdU16String()), m_order.ToCsv(), strError))
        Status(QCoreApplication::translate("COrderPadWindow", "The order was exported to %1.").arg(strPath));
    else
        GetPrompt().Message(strError);
}

void COrderPadWindow::Save()
{
    std::string strError;
    if (!m_order.Save(strError))
        GetPrompt().Message(strError);
}

void COrderPadWindow::Status(const QString& strText)
{
    statusBar()->showMessage(strText);
}
