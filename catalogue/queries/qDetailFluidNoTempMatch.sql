-- Seal compounds that withstand the fluid, whatever the temperature.
SELECT s.Description, ROUND((s.TempLowF - t.Offset) / t.Factor, 1) AS TempLow, :parTempUnit AS Units,
       ROUND((s.TempHighF - t.Offset) / t.Factor, 1) AS TempHigh, s.Code, s.CodeLocation
FROM Seals s
JOIN FluidSeals f ON f.SealCode = s.Code AND f.FluidName = :parFluid COLLATE NOCASE
JOIN Units t ON t.Code = :parTempUnit
WHERE s.AccumulatorType = :parAccumType
ORDER BY s.SortOrder
