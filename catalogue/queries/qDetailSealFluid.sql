-- What a seal compound is for, with its temperature range in deg F and deg C.
SELECT s.TypicalFluids, s.Info,
       s.TempLowF AS TempLow1, s.TempHighF AS TempHigh1, 'DEG_F' AS Units1,
       ROUND((s.TempLowF - c.Offset) / c.Factor, 0) AS TempLow2,
       ROUND((s.TempHighF - c.Offset) / c.Factor, 0) AS TempHigh2, 'DEG_C' AS Units2
FROM Seals s JOIN Units c ON c.Code = 'DEG_C'
WHERE s.AccumulatorType = :parAccumType AND s.Code = :parSealCode
