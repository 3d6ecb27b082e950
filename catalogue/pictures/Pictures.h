// The catalogue's pictures, one drawing function each, grouped by family.
#pragma once

#include "Drafting.h"

namespace pictures
{

// Product groups, 320 x 240.
void productAccumulators(Sheet& sheet);
void productGasBottles(Sheet& sheet);
void productReservoirIsolators(Sheet& sheet);
void productAccessories(Sheet& sheet);
void productRepairKits(Sheet& sheet);
void productTransferBarriers(Sheet& sheet);

// Accessories, 320 x 240.
void accChargingKit(Sheet& sheet);
void accGasGauge(Sheet& sheet);
void accMountingClamp(Sheet& sheet);
void accBaseBracket(Sheet& sheet);
void accSafetyBlock(Sheet& sheet);
void accBladderTool(Sheet& sheet);
void accGasRack(Sheet& sheet);

// Series, 320 x 240.
void seriesPA(Sheet& sheet);
void seriesPM(Sheet& sheet);
void seriesBA(Sheet& sheet);
void seriesBH(Sheet& sheet);
void seriesDA(Sheet& sheet);
void seriesGB(Sheet& sheet);
void seriesPG(Sheet& sheet);
void seriesBG(Sheet& sheet);

// Dimension drawings for the selection report, 480 x 360.
void dimPiston(Sheet& sheet);
void dimPistonGasPort(Sheet& sheet);
void dimPistonGasBottle(Sheet& sheet);
void dimBladder(Sheet& sheet);
void dimBladderHighFlow(Sheet& sheet);
void dimDiaphragm(Sheet& sheet);
void dimGasBottle(Sheet& sheet);
void dimOvrisol(Sheet& sheet);
void dimTransferBarrier(Sheet& sheet);

// Brands, 240 x 80: the maker's, and that of its isolator and barrier line.
void brandDalrow(Sheet& sheet);
void brandOstrel(Sheet& sheet);

} // namespace pictures
