-- Transfer barriers by pressure code, service code and capacity code ("*": no filter).
SELECT t.Cap, t.CapUnits, p.PressureRating AS Pressure, p.PressUnits, v.Service,
       t.CapCode, t.CapCodeLocation, t.PressureCode, p.PressureLocation, t.ServiceCode, v.ServiceLocation,
       t.SeriesCode AS Series, se.SeriesLocation
FROM TransferBarriers t
JOIN PressureClasses p ON p.SeriesCode = t.SeriesCode AND p.PressureCode = t.PressureCode
JOIN TransferBarrierServices v ON v.SeriesCode = t.SeriesCode AND v.ServiceCode = t.ServiceCode
JOIN Series se ON se.SeriesCode = t.SeriesCode
JOIN Units u ON u.Code = t.CapUnits
WHERE (:parPressureCombo = '*' OR t.PressureCode = :parPressureCombo)
  AND (:parServiceCombo = '*' OR t.ServiceCode = :parServiceCombo)
  AND (:parSizeCombo = '*' OR t.CapCode = :parSizeCombo)
ORDER BY p.RatingPsi, t.Cap * u.Factor, v.SortOrder
