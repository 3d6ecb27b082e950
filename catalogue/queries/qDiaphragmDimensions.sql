-- Dimensions of a diaphragm model for the report.
WITH m AS (
    SELECT * FROM Models WHERE SeriesCode = :parSeries AND PressureCode = :parPressure AND CapCode = :parCapacity),
rows(Ord, Dim, Value) AS (
    SELECT 1, _('A - Overall Height'), _num(OverallLength) || ' in' FROM m
    UNION ALL SELECT 2, _('B - Sphere Diameter'), _num(OutsideDiameter) || ' in' FROM m
    UNION ALL SELECT 3, _('C - Fluid Port'), CASE WHEN Capacity <= 30 THEN 'SAE-8 (3/4-16 UNF)' ELSE 'SAE-12 (1-1/16-12 UN)' END FROM m
    UNION ALL SELECT 4, _('D - Gas Valve'), _('5/8-18 UNF Gas Charging Valve') FROM m
    UNION ALL SELECT 5, _('Gas Volume'), _num(Capacity) || CASE CapacityUnits WHEN 'CU_IN' THEN ' in' || char(179) WHEN 'GAL' THEN ' gal' WHEN 'L' THEN ' L' ELSE '' END FROM m
    UNION ALL SELECT 6, _('Weight (approx.)'), _num(Weight) || ' lb' FROM m)
SELECT Dim, Value FROM rows ORDER BY Ord
