-- Piston accumulators of the inch series that hold the required gas volume at the required pressure.
-- Per bore and pressure class: the fewest units (at most four) and then the
-- smallest capacity. More units are taken where one is too small for the gas
-- volume, for the actuator's fluid volume, or for the flow through its ports.
WITH need AS (
    SELECT b.*,
           MAX(1.0, :parCapacity / b.CapM3, :parFluidVolume / b.CapM3, :parFlowRate / b.MaxFlowM3Min) AS Units
    FROM ModelsBase b
    WHERE b.SeriesCode = 'PA' AND b.RatingPa >= :parPressure),
counted AS (
    SELECT *, CAST(Units AS INTEGER) + (Units > CAST(Units AS INTEGER)) AS Qty FROM need),
ranked AS (
    SELECT *, ROW_NUMBER() OVER (PARTITION BY BoreCode, PressureCode ORDER BY Qty, CapM3) AS Pick FROM counted)
SELECT SeriesCode, SeriesLocation, CapCode, CapLocation, PressureCode, PressureLocation,
       PressureRating, PressUnits, BoreCode, BoreLocation, DesignNumber, DesignLocation,
       AccumulatorDesc, AccumulatorType, Capacity, CapacityUnits,
       Capacity * Qty AS TotalCapacity, CapacityUnits AS TotCapUnits,
       '0' AS GBQty, Qty, BoreDisplay, BoreUnits, 0 AS GasBottle
FROM ranked
WHERE Pick = 1 AND Qty <= 4
ORDER BY RatingPa, BoreIn, CapM3
