-- Dimensions of a reservoir isolator for the report: size code and construction code.
WITH z AS (SELECT * FROM OvrisolSizes WHERE SeriesCode = :parSeries AND SizeCode = :parCapacity),
c AS (SELECT * FROM OvrisolConstructions WHERE SeriesCode = :parSeries AND Code = :parConstruction),
rows(Ord, Dim, Value) AS (
    SELECT 1, _('A - Overall Length'), _num(OverallLength) || ' in' FROM z
    UNION ALL SELECT 2, _('B - Shell Diameter'), _num(ShellDiameter) || ' in' FROM z
    UNION ALL SELECT 3, _('C - Reservoir Connection'), MountingFlange FROM z
    UNION ALL SELECT 4, _('D - Breather'), Breather FROM z
    UNION ALL SELECT 5, _('Construction'), c.Construction FROM z, c
    UNION ALL SELECT 6, _('Breathing Volume'), _num(CapDisplay) || ' gal' FROM z
    UNION ALL SELECT 7, _('Weight (approx.)'), _num(ROUND(z.Weight * c.WeightFactor, 0)) || ' lb' FROM z, c)
SELECT Dim, Value FROM rows ORDER BY Ord
