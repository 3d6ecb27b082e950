// The order pad program's window: the line items of the documents handed over, with their
// quantities to change, lines to remove and the order to export as CSV. New documents are
// taken in as they arrive in the inbox.
#pragma once

#include "outputs/OrderPadOrder.h"

#include <QMainWindow>

#include <functional>

class QFileSystemWatcher;
class QLocalServer;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

class COrderPadWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit COrderPadWindow(const std::filesystem::path& inbox, QWidget* pParent = nullptr);

    // Listens for "come up" requests of other programs for this inbox. False when another
    // order pad of the inbox already does.
    bool Listen();
    // Takes in the documents waiting in the inbox and shows the order.
    void Import();
    // "Remove Line": the selected lines leave the order.
    void OnRemove();
    // "Export CSV...": fnExportPath chooses the file (a dialog by default).
    void OnExport();

    QTableWidget* Table() const { return m_pTable; }
    const COrderPadOrder& Order() const { return m_order; }
    void SetExportPath(std::function<QString(QWidget*)> fnExportPath) { m_fnExportPath = std::move(fnExportPath); }

private:
    void LoadOrder();
    void ShowOrder();
    void OnItemChanged(QTableWidgetItem* pItem);
    void Save();
    void Status(const QString& strText);

    COrderPadOrder m_order;
    std::filesystem::path m_inbox;
    QTableWidget* m_pTable = nullptr;
    QPushButton* m_pRemove = nullptr;
    QFileSystemWatcher* m_pWatcher = nullptr;
    QLocalServer* m_pServer = nullptr;
    std::function<QString(QWidget*)> m_fnExportPath;
    bool m_bFilling = false;
};
