-- Approval stamps of one construction; each gives the construction code.
SELECT c.Code, c.CodeLocation, c.Approval
FROM PistonConstructions c
JOIN Bores b ON b.BoreCode = :parBoreSize
JOIN Series s ON s.SeriesCode = b.SeriesCode AND s.AccumulatorType = :parAccumType
WHERE c.Construction = :parConstruction AND c.MaxBoreIn >= b.BoreIn
ORDER BY c.SortOrder
