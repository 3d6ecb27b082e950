-- Every fluid with the compounds of an accumulator type that withstand it, in the compounds' order.
SELECT f.FluidName, group_concat(s.Code, ' ') AS SealCodes
FROM Fluids f
JOIN (SELECT fs.FluidName, se.Code, se.SortOrder FROM FluidSeals fs
      JOIN Seals se ON se.Code = fs.SealCode AND se.AccumulatorType = :parAccumType
      ORDER BY fs.FluidName, se.SortOrder) s ON s.FluidName = f.FluidName
GROUP BY f.FluidName ORDER BY f.SortOrder
