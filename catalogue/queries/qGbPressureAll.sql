-- Pressure ratings of the gas bottles of one type ("*": every type).
SELECT PressureRating AS Pressure, PressUnits
FROM ModelsBase
WHERE SeriesCode IN ('GB', 'PG', 'BG') AND (AccumulatorType = :parType OR :parType = '*')
GROUP BY PressureRating, PressUnits
ORDER BY MIN(RatingPa)
