-- Dimensions of a GB series gas bottle for the report (the lowest pressure class
-- of the size: the query is asked by series and size only).
WITH m AS (
    SELECT *, CASE LengthUnits WHEN 'MM' THEN ' mm' ELSE ' in' END AS L,
           CASE WeightUnits WHEN 'KG' THEN ' kg' ELSE ' lb' END AS W
    FROM ModelsBase WHERE SeriesCode = :parSeries AND CapCode = :parSize
    ORDER BY RatingPa LIMIT 1),
port AS (
    SELECT Description AS Text FROM DetailChoices
    WHERE AccumulatorType = 'GB' AND Kind = 'Gas Port' AND Code = :parGasPort AND SeriesCode IN ('*', :parSeries)),
rows(Ord, Dim, Value) AS (
    SELECT 1, 'A - Overall Length', printf('%g', OverallLength) || L FROM m
    UNION ALL SELECT 2, 'B - Diameter', printf('%g', OutsideDiameter) || L FROM m
    UNION ALL SELECT 3, 'C - Gas Port', port.Text FROM m, port
    UNION ALL SELECT 4, 'D - Valve Port', '7/8-14 UNF' FROM m
    UNION ALL SELECT 5, 'Gas Volume', printf('%g', Capacity) || CASE CapacityUnits WHEN 'CU_IN' THEN ' in' || char(179) WHEN 'GAL' THEN ' gal' WHEN 'L' THEN ' L' ELSE '' END FROM m
    UNION ALL SELECT 6, 'Weight (approx.)', printf('%g', Weight) || W FROM m)
SELECT Dim, Value FROM rows ORDER BY Ord
