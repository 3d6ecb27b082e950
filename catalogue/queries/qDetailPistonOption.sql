-- Options available for the bore and pressure class.
SELECT o.PartNumberCode, o.Option
FROM PistonOptions o
JOIN Bores b ON b.BoreCode = :parBoreSize
JOIN PressureClasses p ON p.SeriesCode = b.SeriesCode AND p.PressureCode = :parPressure
JOIN Series s ON s.SeriesCode = b.SeriesCode AND s.AccumulatorType = :parAccumType
WHERE o.MinBoreIn <= b.BoreIn AND o.MaxPsi >= p.RatingPsi
ORDER BY o.SortOrder
