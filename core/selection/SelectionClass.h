// Calls a function with a selection as its own class, for the outputs that treat each class apart.
#pragma once

#include "selection/AccessoryBase.h"
#include "selection/AccumulatorData.h"
#include "selection/OvrisolBase.h"
#include "selection/RepairKitBase.h"
#include "selection/TransferBase.h"

// visit(class name, selection as that class); false, without a call, for a class not listed here.
template <class F> bool VisitSelectionClass(const CBaseProduct& selection, F&& visit)
{
    if (const auto* p = dynamic_cast<const CAccumulatorData*>(&selection))
        return visit("CAccumulatorData", *p), true;
    if (const auto* p = dynamic_cast<const COvrisolBase*>(&selection))
        return visit("COvrisolBase", *p), true;
    if (const auto* p = dynamic_cast<const CTransferBase*>(&selection))
        return visit("CTransferBase", *p), true;
    if (const auto* p = dynamic_cast<const CAccessoryBase*>(&selection))
        return visit("CAccessoryBase", *p), true;
    if (const auto* p = dynamic_cast<const CRepairKitBase*>(&selection))
        return visit("CRepairKitBase", *p), true;
    return false;
}
