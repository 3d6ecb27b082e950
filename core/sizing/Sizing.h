// Front door of the application calculations.
#pragma once

#include "sizing/ApplicationChecks.h"
#include "sizing/AuxiliaryPower.h"
#include "sizing/CheckMessages.h"
#include "sizing/CylinderVolume.h"
#include "sizing/Holding.h"
#include "sizing/MultipleEvents.h"
#include "sizing/OutputExisting.h"
#include "sizing/PrechargeDisplay.h"
#include "sizing/Pulsation.h"
#include "sizing/PumpResponse.h"
#include "sizing/ShockSuppression.h"
#include "sizing/SizeApplication.h"
#include "sizing/SizingResult.h"
#include "sizing/SizingTools.h"
#include "sizing/SupplementingPumpFlow.h"
#include "sizing/TemperaturePrecharge.h"
