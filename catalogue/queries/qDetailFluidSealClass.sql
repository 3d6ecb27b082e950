-- Seal compounds that withstand the fluid over the whole temperature range asked
-- for; temperatures come back in the unit they were asked in.
SELECT s.Description, ROUND((s.TempLowF - t.Offset) / t.Factor, 1) AS TempLow, :parTempUnit AS Units,
       ROUND((s.TempHighF - t.Offset) / t.Factor, 1) AS TempHigh, s.Code, s.CodeLocation
FROM Seals s
JOIN FluidSeals f ON f.SealCode = s.Code AND f.FluidName = :parFluid COLLATE NOCASE
JOIN Units t ON t.Code = :parTempUnit
WHERE s.AccumulatorType = :parAccumType
  AND s.TempLowF <= :parTempLow * t.Factor + t.Offset AND s.TempHighF >= :parTempHigh * t.Factor + t.Offset
ORDER BY s.SortOrder
