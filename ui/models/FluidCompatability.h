// "Fluid Compatibility": the seal classes that suit a fluid over a temperature range.
#pragma once

#include "models/SealSearch.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class CAccumulatorObject;
class CComboUnit;
class CEditNumeric;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

class CFluidCompatability : public QDialog
{
    Q_OBJECT

public:
    // A former search, when there is one, fills in its fluid and temperatures.
    CFluidCompatability(CAccumulatorObject& product, const std::string& strAccumType,
                        const std::optional<SFluidSearchResult>& former, QWidget* pParent = nullptr);

    QComboBox* FluidBox() const { return m_pFluid; }
    CEditNumeric* HighTemp() const { return m_pHigh; }
    CEditNumeric* LowTemp() const { return m_pLow; }
    CComboUnit* UnitBox() const { return m_pUnit; }
    QTreeWidget* ResultList() const { return m_pResults; }
    QLabel* Outcome() const { return m_pOutcome; }

    // "&Search": the three checks in order (message, focus on the entry), then the search
    // and its outcome's message.
    void OnSearch();
    // OK: refused before a search and without a chosen row; else ends with OK.
    void OnOk();
    void reject() override;

    // After OK: the chosen seal class and what the search was made for.
    const CPartCode& Seal() const { return m_seal; }
    const SFluidSearchResult& Result() const { return m_result; }

private:
    void OnReference();
    void OnHelp();

    CAccumulatorObject& m_product;
    std::string m_strAccumType;
    std::optional<SSealSearch> m_search;
    // What the last search was made for, so that later edits do not change its meaning.
    std::string m_strSearchedFluid;
    CUnitDouble m_searchedHigh;
    CUnitDouble m_searchedLow;
    std::string m_strOutcome;
    CPartCode m_seal;
    SFluidSearchResult m_result;

    QComboBox* m_pFluid;
    CEditNumeric* m_pHigh;
    CEditNumeric* m_pLow;
    CComboUnit* m_pUnit;
    QPushButton* m_pSearch;
    QTreeWidget* m_pResults;
    QLabel* m_pOutcome;
    QPushButton* m_pOk;
};
