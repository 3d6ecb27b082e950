-- Fluid-side port types a port style offers for the bore and pressure class.
SELECT t.Type, t.TypeCode, t.Location AS HydLocation
FROM PistonPortTypes t
JOIN Bores b ON b.BoreCode = :parBoreSize
JOIN Series s ON s.SeriesCode = b.SeriesCode AND s.AccumulatorType = :parAccumType
JOIN PressureClasses p ON p.SeriesCode = b.SeriesCode AND p.PressureCode = :parPressure
JOIN PistonPortDesigns d ON d.Code = :parPortCode AND d.Metric = s.Metric
WHERE t.Side = 'Hyd' AND instr(',' || d.HydTypes || ',', ',' || t.TypeCode || ',') > 0
  AND t.MaxPsi >= p.RatingPsi
  AND EXISTS (SELECT 1 FROM PistonPortSizes z
              WHERE z.Side = t.Side AND z.TypeCode = t.TypeCode AND b.BoreIn BETWEEN z.MinBoreIn AND z.MaxBoreIn)
ORDER BY t.SortOrder
