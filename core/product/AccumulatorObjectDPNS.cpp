// The rapid-selection product object: the product a rapid selection makes, and its outputs.
#include "product/AccumulatorObjectDPNS.h"

#include "models/RapidSelection.h"
#include "selection/SelectionFile.h"

namespace
{
constexpr int kCadPreferences = 3;
} // namespace

void CAccumulatorObjectDPNS::BeginRapidSelection(const SRapidType& type, const std::string& strSeriesDescription)
{
    std::string strProdType, strDescription;
    ReadProductRow(type.nProdId, strProdType, strDescription);
    SetProduct(type.nProdId, strProdType, strDescription);
    m_bDrawing = type.bDrawing ? 1 : 0;
    m_strSeriesDescription = strSeriesDescription;
    ClearRapidSelection();
}

void CAccumulatorObjectDPNS::ClearRapidSelection()
{
    m_strModelNumber.clear();
    std::unique_ptr<CBaseProduct> pEmpty = CreateSelectionObject(ProdId());
    if (!pEmpty)
        pEmpty = CreateSelectionObject(prod::Accumulator);
    SetSelection(std::move(pEmpty), false);
}

void CAccumulatorObjectDPNS::HoldRapidSelection(const CRapidSelection& rapid)
{
    ClearRapidSelection();
    if (!rapid.IsComplete())
        return;
    if (const SRapidItem* pSeries = rapid.Lists().front().Selected())
        m_strSeriesDescription = pSeries->strText;
    std::unique_ptr<CBaseProduct> pSelection = rapid.MakeSelection(*this);
    m_strModelNumber = pSelection->BuildPartNumber();
    SetSelection(std::move(pSelection), true);
}

bool CAccumulatorObjectDPNS::IsCadCommandEnabled(int nCommand) const
{
    if (nCommand == kCadPreferences)
        return CAccumulatorObject::IsCadCommandEnabled(nCommand);
    return m_bDrawing != 0 && m_bSelectionComplete && CAccumulatorObject::IsCadCommandEnabled(nCommand);
}
