-- Diaphragm accumulators that hold the required gas volume at the required pressure.
-- Per pressure class and number of units (at most four): the smallest capacity,
-- so the list offers one large unit as well as several smaller ones.
WITH need AS (
    SELECT b.*,
           MAX(1.0, :parCapacity / b.CapM3, :parFluidVolume / b.CapM3, :parFlowRate / b.MaxFlowM3Min) AS Units
    FROM ModelsBase b
    WHERE b.SeriesCode = 'DA' AND b.RatingPa >= :parPressure),
counted AS (
    SELECT *, CAST(Units AS INTEGER) + (Units > CAST(Units AS INTEGER)) AS Qty FROM need),
ranked AS (
    SELECT *, ROW_NUMBER() OVER (PARTITION BY PressureCode, Qty ORDER BY CapM3) AS Pick FROM counted)
SELECT SeriesCode, SeriesLocation, CapCode, CapLocation, PressureCode, PressureLocation,
       PressureRating, PressUnits, DesignNumber, DesignLocation,
       AccumulatorDesc, AccumulatorType, Capacity, CapacityUnits,
       Capacity * Qty AS TotalCapacity, CapacityUnits AS TotCapUnits, Qty
FROM ranked
WHERE Pick = 1 AND Qty <= 4
ORDER BY RatingPa, Qty, CapM3
