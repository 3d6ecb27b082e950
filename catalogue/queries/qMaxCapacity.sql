-- The largest gas capacity the model search can offer: four units of the largest
-- accumulator, or the largest piston with six of the largest gas bottles.
SELECT MAX(Total) AS MaxCapacity
FROM (
    SELECT b.CapM3 * 4 AS Total
    FROM ModelsBase b
    WHERE b.SeriesCode IN ('PA', 'PM', 'BA', 'BH', 'DA')
    UNION ALL
    SELECT p.CapM3 + 6 * g.CapM3
    FROM ModelsBase p
    JOIN PistonGasBottles gb ON gb.PistonSeries = p.SeriesCode
    JOIN ModelsBase g ON g.SeriesCode = gb.GBSeries AND g.PressureCode = gb.GBPressureCode AND g.CapCode = gb.GBCapCode
    WHERE p.BoreIn >= 6.3)
