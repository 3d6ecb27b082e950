-- The capacities of a piston series and bore.
SELECT CapCode, CapLocation AS CodeLocation, Capacity AS Cap, CapacityUnits AS CapUnits
FROM ModelsBase
WHERE SeriesCode = :parSeries AND BoreCode = :parBoreSize
GROUP BY CapCode
ORDER BY MIN(CapM3)
