-- Gas-side port sizes of one type that fit the end cap of the bore.
SELECT z.Size, z.SizeCode, z.Location AS GasSzLocation
FROM PistonPortSizes z
JOIN PistonPortTypes t ON t.Side = z.Side AND t.TypeCode = z.TypeCode
JOIN Bores b ON b.BoreCode = :parBoreSize
JOIN Series s ON s.SeriesCode = b.SeriesCode AND s.AccumulatorType = :parAccumType
JOIN PressureClasses p ON p.SeriesCode = b.SeriesCode AND p.PressureCode = :parPressure
WHERE z.Side = 'Gas' AND z.TypeCode = :parTypeCode AND b.BoreIn BETWEEN z.MinBoreIn AND z.MaxBoreIn
  AND t.MaxPsi >= p.RatingPsi
ORDER BY z.SizeCode
