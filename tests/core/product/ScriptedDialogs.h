// The product object with step dialogs that do what the test says, on a test host.
#pragma once

#include "TestHost.h"
#include "product/AccumulatorObject.h"
#include "product/StepDialogs.h"
#include "selection/AccessoryBase.h"
#include "selection/OvrisolBase.h"
#include "selection/RepairKitBase.h"
#include "selection/TransferBase.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// Each step ends with what its function returns; an accumulator's steps edit the result copy.
class CScriptedDialogs : public IStepDialogs
{
public:
    int ChooseProduct(CAccumulatorObject& product) override { return m_chooseProduct(product); }
    int DescribeApplication(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData& b) override { return m_step(b); }
    int ChooseModel(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData& b) override { return m_step(b); }
    int SelectGasBottle(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData& b) override { return m_step(b); }
    int ChooseDetails(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData& b) override { return m_step(b); }
    int OvrisolSizeSelection(CAccumulatorObject&, COvrisolBase& a, COvrisolBase& b) override { return m_ovrisol(a, b); }
    int OvrisolChooseModel(CAccumulatorObject&, COvrisolBase& a, COvrisolBase& b) override { return m_ovrisol(a, b); }
    int ChooseTransferBarrier(CAccumulatorObject&, CTransferBase& a) override { return m_catalogue(a); }
    int ChooseAccessory(CAccumulatorObject&, CAccessoryBase& a) override { return m_catalogue(a); }
    int ChooseRepairKit(CAccumulatorObject&, CRepairKitBase& a) override { return m_catalogue(a); }
    void RunTool(CAccumulatorObject&, int nTool) override { m_nTool = nTool; }

    std::function<int(CAccumulatorObject&)> m_chooseProduct;
    std::function<int(CAccumulatorData&)> m_step = [](CAccumulatorData&) { return dlg::Cancel; };
    std::function<int(COvrisolBase&, COvrisolBase&)> m_ovrisol;
    std::function<int(CBaseProduct&)> m_catalogue;
    int m_nTool = -1;
};

struct SFixture
{
    CTestHost host;
    CScriptedDialogs dialogs;
    CAccumulatorObject product{host, dialogs};
    SFixture() { EXPECT_TRUE(product.Initialize()); }

    // "Choose Product" with the product of that id: "Accumulators", "Gas Bottles" or "Product <id>".
    void Choose(int nProdId)
    {
        dialogs.m_chooseProduct = [=](CAccumulatorObject& p)
        {
            const std::string strName = nProdId == 0   ? "Accumulators"
                                        : nProdId == 1 ? "Gas Bottles"
                                                       : "Product " + std::to_string(nProdId);
            return p.SetProduct(nProdId, strName, "") ? dlg::Ok : dlg::Cancel;
        };
        product.PerformButtonAction(100);
    }
    // An accumulator's step: the dialog edits the result copy and ends with nResult.
    void Step(int nButton, std::function<void(CAccumulatorData&)> edit, int nResult = dlg::Ok)
    {
        dialogs.m_step = [=](CAccumulatorData& result)
        {
            edit(result);
            return nResult;
        };
        product.PerformButtonAction(nButton);
    }
    std::vector<int> States()
    {
        return {product.GetButtonState(0), product.GetButtonState(1), product.GetButtonState(2),
                product.GetButtonState(3)};
    }
};
