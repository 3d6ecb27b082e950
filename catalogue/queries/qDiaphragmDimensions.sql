-- Dimensions of a diaphragm model for the report.
WITH m AS (
    SELECT * FROM Models WHERE SeriesCode = :parSeries AND PressureCode = :parPressure AND CapCode = :parCapacity),
rows(Ord, Dim, Value) AS (
    SELECT 1, 'A - Overall Height', printf('%g in', OverallLength) FROM m
    UNION ALL SELECT 2, 'B - Sphere Diameter', printf('%g in', OutsideDiameter) FROM m
    UNION ALL SELECT 3, 'C - Fluid Port', CASE WHEN Capacity <= 30 THEN 'SAE-8 (3/4-16 UNF)' ELSE 'SAE-12 (1-1/16-12 UN)' END FROM m
    UNION ALL SELECT 4, 'D - Gas Valve', '5/8-18 UNF Gas Charging Valve' FROM m
    UNION ALL SELECT 5, 'Gas Volume', printf('%g', Capacity) || CASE CapacityUnits WHEN 'CU_IN' THEN ' in' || char(179) WHEN 'GAL' THEN ' gal' WHEN 'L' THEN ' L' ELSE '' END FROM m
    UNION ALL SELECT 6, 'Weight (approx.)', printf('%g lb', Weight) FROM m)
SELECT Dim, Value FROM rows ORDER BY Ord
