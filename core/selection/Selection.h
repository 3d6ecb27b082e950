// Front door of the selection subsystem: part codes, selection objects, the selection file.
#pragma once

#include "selection/AccessoryBase.h"
#include "selection/AccumulatorData.h"
#include "selection/ApplicationData.h"
#include "selection/BaseProduct.h"
#include "selection/OvrisolBase.h"
#include "selection/PartCode.h"
#include "selection/RepairKitBase.h"
#include "selection/SelectionFile.h"
#include "selection/SelectionOwner.h"
#include "selection/TransferBase.h"
