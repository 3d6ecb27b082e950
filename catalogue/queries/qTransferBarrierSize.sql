-- The capacities of the transfer barriers that the pressure and service filters leave.
SELECT t.CapCode, t.Cap, t.CapUnits
FROM TransferBarriers t JOIN Units u ON u.Code = t.CapUnits
WHERE (:parPressureCombo = '*' OR t.PressureCode = :parPressureCombo)
  AND (:parServiceCombo = '*' OR t.ServiceCode = :parServiceCombo)
GROUP BY t.CapCode, t.Cap, t.CapUnits
ORDER BY MIN(t.Cap * u.Factor)
