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
    SELECT 1, _('A - Overall Length'), _num(OverallLength) || L FROM m
    UNION ALL SELECT 2, _('B - Diameter'), _num(OutsideDiameter) || L FROM m
    UNION ALL SELECT 3, _('C - Gas Port'), port.Text FROM m, port
    UNION ALL SELECT 4, _('D - Valve Port'), '7/8-14 UNF' FROM m
    UNION ALL SELECT 5, _('Gas Volume'), _num(Capacity) || CASE CapacityUnits WHEN 'CU_IN' THEN ' in' || char(179) WHEN 'GAL' THEN ' gal' WHEN 'L' THEN ' L' ELSE '' END FROM m
    UNION ALL SELECT 6, _('Weight (approx.)'), _num(Weight) || W FROM m)
SELECT Dim, Value FROM rows ORDER BY Ord
