-- The services of the transfer barriers that the capacity and pressure filters leave.
SELECT t.ServiceCode, v.Service
FROM TransferBarriers t
JOIN TransferBarrierServices v ON v.SeriesCode = t.SeriesCode AND v.ServiceCode = t.ServiceCode
WHERE (:parSizeCombo = '*' OR t.CapCode = :parSizeCombo)
  AND (:parPressureCombo = '*' OR t.PressureCode = :parPressureCombo)
GROUP BY t.ServiceCode, v.Service
ORDER BY MIN(v.SortOrder)
