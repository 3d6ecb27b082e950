-- Piston accumulators of the metric series with gas bottles, for gas volumes larger than the piston holds.
-- Per bore (6.3 in and up) and pressure class: the smallest piston that holds the
-- actuator's fluid volume and passes the flow, with one to six gas bottles of
-- each offered size for the rest of the gas volume.
WITH pistons AS (
    SELECT b.*, ROW_NUMBER() OVER (PARTITION BY b.BoreCode, b.PressureCode ORDER BY b.CapM3) AS Pick
    FROM ModelsBase b
    WHERE b.SeriesCode = 'PM' AND b.BoreIn >= 6.3 AND b.RatingPa >= :parPressure
      AND b.CapM3 >= :parFluidVolume AND b.CapM3 < :parCapacity AND b.MaxFlowM3Min >= :parFlowRate),
bottles AS (
    SELECT g.*, gb.GBPartNumber, gb.GasBottleDesc
    FROM PistonGasBottles gb
    JOIN ModelsBase g ON g.SeriesCode = gb.GBSeries AND g.PressureCode = gb.GBPressureCode AND g.CapCode = gb.GBCapCode
    WHERE gb.PistonSeries = 'PM' AND g.RatingPa >= :parPressure),
combos AS (
    SELECT p.*, g.Capacity AS GBCapacity, g.CapacityUnits AS GBCapacityUnits, g.CapM3 AS GBCapM3,
           g.GBPartNumber, g.GasBottleDesc, (:parCapacity - p.CapM3) / g.CapM3 AS Bottles
    FROM pistons p, bottles g
    -- The bottles must take the piston's rating: the pair is rated as its weaker part.
    WHERE p.Pick = 1 AND g.RatingPa >= p.RatingPa),
counted AS (
    SELECT *, CAST(Bottles AS INTEGER) + (Bottles > CAST(Bottles AS INTEGER)) AS GBCount FROM combos)
SELECT SeriesCode, SeriesLocation, CapCode, CapLocation, PressureCode, PressureLocation,
       PressureRating, PressUnits, BoreCode, BoreLocation, DesignNumber, DesignLocation,
       AccumulatorDesc, AccumulatorType, Capacity, CapacityUnits,
       Capacity + GBCount * GBCapacity AS TotalCapacity, CapacityUnits AS TotCapUnits,
       CAST(GBCount AS TEXT) AS GBQty, 1 AS Qty, BoreDisplay, BoreUnits, 1 AS GasBottle,
       GBPartNumber, GasBottleDesc, GBCapacity, GBCapacityUnits
FROM counted
WHERE GBCount BETWEEN 1 AND 6 AND CapacityUnits = GBCapacityUnits
ORDER BY RatingPa, BoreIn, GBCapM3
