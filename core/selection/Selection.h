// Front door of the selection subsystem: part codes, selection objects, the selection file.
#pragma once

#include "selection/AccumulatorData.h"
#include "selection/ApplicationData.h"
#include "selection/BaseProduct.h"
#include "selection/PartCode.h"
#include "selection/SelectionFile.h"
#include "selection/SelectionOwner.h"
