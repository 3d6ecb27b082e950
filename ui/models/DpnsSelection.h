// "Rapid Selection": the series the rapid selection builds a model number for, which opens the
// type dialog of the series' product type.
#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class CAccumulatorObjectDPNS;
class QTreeWidget;

class CDpnsSelection : public QDialog
{
    Q_OBJECT

public:
    // fnDone is handed to the type dialog: it shows the selection-complete panel.
    CDpnsSelection(CAccumulatorObjectDPNS& product, std::function<int()> fnDone, QWidget* pParent = nullptr);

    QTreeWidget* SeriesList() const { return m_pList; }
    // OK: the type dialog of the chosen series; when it ends with OK, so does this dialog.
    void OnOk();
    void reject() override;

private:
    struct SSeriesRow
    {
        std::string strSeries;
        std::string strDescription;
        std::string strType;
    };

    void OnHelp();

    CAccumulatorObjectDPNS& m_product;
    std::function<int()> m_fnDone;
    std::vector<SSeriesRow> m_rows;
    QTreeWidget* m_pList;
};
