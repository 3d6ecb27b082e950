-- The pressure ratings of the transfer barriers that the capacity and service filters leave.
SELECT t.PressureCode, p.PressureRating AS Pressure, p.PressUnits
FROM TransferBarriers t
JOIN PressureClasses p ON p.SeriesCode = t.SeriesCode AND p.PressureCode = t.PressureCode
WHERE (:parSizeCombo = '*' OR t.CapCode = :parSizeCombo)
  AND (:parServiceCombo = '*' OR t.ServiceCode = :parServiceCombo)
GROUP BY t.PressureCode, p.PressureRating, p.PressUnits
ORDER BY MIN(p.RatingPsi)
