-- Constructions available for the bore.
SELECT c.Construction
FROM PistonConstructions c
JOIN Bores b ON b.BoreCode = :parBoreSize
JOIN Series s ON s.SeriesCode = b.SeriesCode AND s.AccumulatorType = :parAccumType
WHERE c.MaxBoreIn >= b.BoreIn
GROUP BY c.Construction
ORDER BY MIN(c.SortOrder)
