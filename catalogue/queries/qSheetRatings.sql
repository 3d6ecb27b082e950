-- The pressure classes of a series, lowest first.
SELECT PressureCode, PressureLocation, PressureRating, PressUnits FROM PressureClasses
WHERE SeriesCode = :parSeries ORDER BY RatingPsi, PressureCode
