-- Pressure ratings of the gas bottles of one type ("View All": every type).
SELECT PressureRating AS Pressure, PressUnits
FROM ModelsBase
WHERE SeriesCode IN ('GB', 'PG', 'BG') AND (AccumulatorType = :parType OR :parType = 'View All')
GROUP BY PressureRating, PressUnits
ORDER BY MIN(RatingPa)
