-- The capacities of a bladder, diaphragm or gas bottle series.
SELECT CapCode, CapLocation AS CodeLocation, Capacity AS Cap, CapacityUnits AS CapUnits
FROM ModelsBase
WHERE SeriesCode = :parSeries
GROUP BY CapCode
ORDER BY MIN(CapM3), CapCode
