-- Constructions with their approval stamp that the bore allows; each pair is one construction code.
SELECT c.Code, c.CodeLocation, c.Construction || ' / ' || c.Approval AS Description, c.Construction, c.Approval
FROM PistonConstructions c
JOIN Bores b ON b.BoreCode = :parBoreSize
JOIN Series s ON s.SeriesCode = b.SeriesCode AND s.AccumulatorType = :parAccumType
WHERE c.MaxBoreIn >= b.BoreIn
ORDER BY c.SortOrder
