// "Choose Accumulator": the catalogue's models for the sized application in a grid, the port
// flow note, and the chosen model written into the selection.
#pragma once

#include "models/ModelSearch.h"

#include <QDialog>

#include <string>

class CAccumulatorData;
class CAccumulatorObject;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

class CAccumulatorChooseModel : public QDialog
{
    Q_OBJECT

public:
    // The working copy keeps the earlier choices; the stored copy is the step's result.
    CAccumulatorChooseModel(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                            QWidget* pParent = nullptr);

    // Grid columns: 0 the row header, 1 to 9 the model's texts, 10 unused.
    static constexpr int kColumns = 11;

    const SModelSearch& Search() const { return m_search; }
    QTableWidget* Grid() const { return m_pGrid; }
    QLabel* RequiredCapacity() const { return m_pCapacity; }
    QLabel* RequiredFlow() const { return m_pFlow; }
    QPlainTextEdit* AdditionalInformation() const { return m_pInfo; }
    // The model row chosen in the grid, or -1.
    int ChosenRow() const;

    // OK: the model written into both copies; 2100 when it is the one already held;
    // otherwise the change is confirmed (Cancel stays, No ends as Cancel) and ends with OK.
    void OnOk();
    // Escape and the close box end with Cancel (2), as the product object expects.
    void reject() override;

private:
    void ShowRequirements();
    void SetUpGrid();
    void FillGrid();
    void OnSelectionChanged();
    void OnReference();
    void OnHelp();

    CAccumulatorObject& m_product;
    CAccumulatorData& m_working;
    CAccumulatorData& m_stored;
    SModelSearch m_search;
    bool m_bSearched = false;
    std::string m_strOversize; // "Y" or "N" of the last high-flow check
    QLabel* m_pCapacity;
    QLabel* m_pFlowCaption;
    QLabel* m_pFlow;
    QTableWidget* m_pGrid;
    QPlainTextEdit* m_pInfo;
    QPushButton* m_pOk;
};
