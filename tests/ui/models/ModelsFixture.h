// A product object on the built catalogue whose model and details steps open the real
// dialogs and hand them to a script; the application step sizes a known capacity.
#pragma once

#include "../products/ProductFixture.h"
#include "models/AccumulatorChooseModel.h"
#include "models/DetailsPiston1.h"

#include <QTableWidget>

#include <functional>

class CModelSteps : public CAccumulatorSteps
{
public:
    int DescribeApplication(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData& result) override
    {
        result.strApplicationText = "I know the required accumulator capacity";
        result.deSelectApp = app::KnownCapacity;
        result.sdRequiredAccumulatorVol = m_capacity;
        result.sdMaxSysPress = CUnitDouble(3000.0, "PSIG");
        return dlg::Ok;
    }
    int ChooseModel(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& result) override
    {
        CAccumulatorChooseModel dialog(product, working, result);
        return m_fnModel ? m_fnModel(dialog) : dlg::Cancel;
    }
    int ChooseDetails(CAccumulatorObject& product, CAccumulatorData& working,
                      CAccumulatorData& result) override
    {
        CDetailsPiston1 dialog(product, working, result);
        return m_fnDetails ? m_fnDetails(dialog) : dlg::Cancel;
    }

    CUnitDouble m_capacity{100.0, "CU_IN"};
    std::function<int(CAccumulatorChooseModel&)> m_fnModel;
    std::function<int(CDetailsPiston1&)> m_fnDetails;
};

struct SModelProduct
{
    CUnitsHost host;
    CModelSteps steps;
    CAccumulatorObject product{host, steps};

    // Accumulators chosen and the application sized.
    bool Sized()
    {
        if (!product.Initialize())
            return false;
        product.PerformButtonAction(100);
        product.PerformButtonAction(101);
        return product.AccumulatorData() && product.AccumulatorData()->m_nLevel == 1;
    }
    // Runs "Choose Model" choosing a grid row (or the preselected one) with OK.
    int ChooseModelRow(int nRow = -1)
    {
        int nResult = 0;
        steps.m_fnModel = [&](CAccumulatorChooseModel& dialog)
        {
            if (nRow >= 0)
                dialog.Grid()->selectRow(nRow);
            dialog.OnOk();
            return nResult = dialog.result();
        };
        product.OnChooseModel();
        return nResult;
    }
    // Runs "Choose Details" with a script before OK.
    int ChooseDetails(const std::function<void(CDetailsPiston1&)>& fnBefore = {})
    {
        int nResult = 0;
        steps.m_fnDetails = [&](CDetailsPiston1& dialog)
        {
            if (fnBefore)
                fnBefore(dialog);
            dialog.OnOk();
            return nResult = dialog.result();
        };
        product.OnChooseDetails();
        return nResult;
    }
};
