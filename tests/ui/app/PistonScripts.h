// The scripts that take a sized selection to a complete piston model number: the first piston of the
// grid, then its details with the seal assistant.
#pragma once

#include "DesktopSession.h"
#include "models/AccumulatorChooseModel.h"
#include "models/ChooseSeals.h"
#include "models/DetailsPiston1.h"
#include "models/FluidCompatability.h"
#include "products/ChooseProduct.h"

#include <QCheckBox>
#include <QListWidget>
#include <QTableWidget>
#include <QTreeWidget>

// The first piston in the grid.
inline int ChoosePiston(QDialog& d)
{
    auto& c = static_cast<CAccumulatorChooseModel&>(d);
    const auto& rows = c.Search().rows;
    const auto it =
        std::find_if(rows.begin(), rows.end(), [](const auto& row) { return row.strType == "Piston"; });
    if (it == rows.end())
        return dlg::Cancel;
    c.Grid()->selectRow(static_cast<int>(it - rows.begin()));
    c.OnOk();
    return d.result();
}

// The seal found for a polyol ester at 0 to 200 deg F, alternate ports, the gas valve guard.
inline void ScriptDetails(CChainScript& script)
{
    script["Fluid Compatibility"] = [](QDialog& d)
    {
        auto& f = static_cast<CFluidCompatability&>(d);
        f.FluidBox()->setCurrentText("Fire-Resistant Polyol Ester (HFD-U)");
        Enter(f.HighTemp(), "200");
        Enter(f.LowTemp(), "0");
        f.OnSearch();
        const auto found = f.ResultList()->findItems("Fluorocarbon (FKM)", Qt::MatchExactly);
        if (found.size() != 1)
            return dlg::Cancel;
        f.ResultList()->setCurrentItem(found.front());
        f.OnOk();
        return d.result();
    };
    script["Choose Seals"] = [](QDialog& d)
    {
        auto& s = static_cast<CChooseSeals&>(d);
        s.OnFluidCompatibility();
        s.OnOk();
        return d.result();
    };
    script["Choose Accumulator Details - Piston Type"] = [](QDialog& d)
    {
        auto& p = static_cast<CDetailsPiston1&>(d);
        FindButton(p, "Selection Assistance")->click();
        if (!SelectCode(p.PortBox(), "2") || !SelectCode(p.PortTypeBox(), "-M") ||
            !SelectCode(p.GasPortTypeBox(), "M") || p.OptionBoxes().isEmpty())
            return dlg::Cancel;
        p.OptionBoxes().front()->setChecked(true); // the gas valve guard
        p.OnOk();
        return d.result();
    };
}

// Accumulators, the application as the script has it, the first piston and its details, through
// the panel's four step buttons.
inline void SelectPiston(CDesktopSession& session, CChainScript& script)
{
    script["Choose Product"] = [](QDialog& d) { return ChooseProductType(d, "Accumulators"); };
    script["Choose Accumulator"] = ChoosePiston;
    ScriptDetails(script);
    session.Steps({kProduct, kApplication, kModel, kDetails});
}
