-- Port types of one side ('Hyd' or 'Gas') for a port style: style 1 keeps the bore's standard
-- port; the others offer their types that fit the bore and are rated for the pressure class.
SELECT t.TypeCode, t.Location AS CodeLocation, t.Type
FROM PistonPortTypes t
JOIN Bores b ON b.BoreCode = :parBoreSize
JOIN Series s ON s.SeriesCode = b.SeriesCode AND s.AccumulatorType = :parAccumType
JOIN PressureClasses p ON p.SeriesCode = b.SeriesCode AND p.PressureCode = :parPressure
JOIN PistonPortDesigns d ON d.Code = :parDesignNumber AND d.Metric = s.Metric
JOIN PistonStdPorts sp ON sp.BoreCode = b.BoreCode AND sp.DesignNumber = d.Code
WHERE t.Side = :parSide
  AND CASE WHEN d.Code = '1'
           THEN t.TypeCode = CASE t.Side WHEN 'Hyd' THEN sp.HydType ELSE sp.GasType END
           ELSE instr(',' || CASE t.Side WHEN 'Hyd' THEN d.HydTypes ELSE d.GasTypes END || ',',
                      ',' || t.TypeCode || ',') > 0
                AND t.MaxPsi >= p.RatingPsi
                AND EXISTS (SELECT 1 FROM PistonPortSizes z
                            WHERE z.Side = t.Side AND z.TypeCode = t.TypeCode
                              AND b.BoreIn BETWEEN z.MinBoreIn AND z.MaxBoreIn) END
ORDER BY t.SortOrder
