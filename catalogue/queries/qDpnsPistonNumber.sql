-- Port styles (the design number) of the piston models of a capacity and pressure class.
SELECT DISTINCT d.Code, d.CodeLocation, d.Description
FROM PistonPortDesigns d
JOIN Series s ON s.Metric = d.Metric AND s.AccumulatorType = :parAccumType
JOIN RapidSeries r ON r.SeriesCode = s.SeriesCode
WHERE EXISTS (SELECT 1 FROM Models m
              WHERE m.SeriesCode = s.SeriesCode AND m.CapCode = :parCapacity AND m.PressureCode = :parPressure)
ORDER BY d.Code
