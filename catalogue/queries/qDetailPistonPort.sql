-- Port styles of a piston model (the design number); the style the selection
-- already has comes first.
SELECT d.Code, d.CodeLocation, d.Description
FROM PistonPortDesigns d
JOIN Bores b ON b.BoreCode = :parBoreSize
JOIN Series s ON s.SeriesCode = b.SeriesCode
WHERE d.Metric = s.Metric AND s.AccumulatorType = :parAccumType
  AND EXISTS (SELECT 1 FROM Models m
              WHERE m.BoreCode = :parBoreSize AND m.CapCode = :parCapacity AND m.PressureCode = :parPressure)
ORDER BY d.Code <> :parDesignNumber, d.Code
