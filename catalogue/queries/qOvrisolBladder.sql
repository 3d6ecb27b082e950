-- The bladder compounds of a reservoir isolator series.
SELECT s.Description, s.Code, s.CodeLocation
FROM Seals s JOIN Series se ON se.AccumulatorType = s.AccumulatorType
WHERE se.SeriesCode = :parSeries
ORDER BY s.SortOrder
