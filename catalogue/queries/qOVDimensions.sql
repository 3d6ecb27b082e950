-- Dimensions of a reservoir isolator for the report: size code and construction code.
WITH z AS (SELECT * FROM OvrisolSizes WHERE SeriesCode = :parSeries AND SizeCode = :parCapacity),
c AS (SELECT * FROM OvrisolConstructions WHERE SeriesCode = :parSeries AND Code = :parConstruction),
rows(Ord, Dim, Value) AS (
    SELECT 1, 'A - Overall Length', printf('%g in', OverallLength) FROM z
    UNION ALL SELECT 2, 'B - Shell Diameter', printf('%g in', ShellDiameter) FROM z
    UNION ALL SELECT 3, 'C - Reservoir Connection', MountingFlange FROM z
    UNION ALL SELECT 4, 'D - Breather', Breather FROM z
    UNION ALL SELECT 5, 'Construction', c.Construction FROM z, c
    UNION ALL SELECT 6, 'Breathing Volume', printf('%g gal', CapDisplay) FROM z
    UNION ALL SELECT 7, 'Weight (approx.)', printf('%g lb', ROUND(z.Weight * c.WeightFactor, 0)) FROM z, c)
SELECT Dim, Value FROM rows ORDER BY Ord
