-- Port sizes of one type: with style 1 the bore's standard size; otherwise the sizes that fit the
-- bore's end cap, when the type is rated for the pressure class.
SELECT z.SizeCode, z.Location AS CodeLocation, z.Size
FROM PistonPortSizes z
JOIN PistonPortTypes t ON t.Side = z.Side AND t.TypeCode = z.TypeCode
JOIN Bores b ON b.BoreCode = :parBoreSize
JOIN PressureClasses p ON p.SeriesCode = b.SeriesCode AND p.PressureCode = :parPressure
JOIN PistonStdPorts sp ON sp.BoreCode = b.BoreCode AND sp.DesignNumber = :parDesignNumber
WHERE z.TypeCode = :parPortSize
  AND CASE WHEN sp.DesignNumber = '1'
           THEN z.TypeCode = CASE z.Side WHEN 'Hyd' THEN sp.HydType ELSE sp.GasType END
                AND z.SizeCode = CASE z.Side WHEN 'Hyd' THEN sp.HydSize ELSE sp.GasSize END
           ELSE b.BoreIn BETWEEN z.MinBoreIn AND z.MaxBoreIn AND t.MaxPsi >= p.RatingPsi END
ORDER BY z.SizeCode
