-- Variations of a gas bottle series: the standard bottle, no code of its own.
SELECT Code, CodeLocation, Description
FROM RapidChoices
WHERE AccumulatorType = 'GB' AND Kind = 'Design Variation'
  AND EXISTS (SELECT 1 FROM Series WHERE SeriesCode = :parSeries AND AccumulatorType = 'GB')
ORDER BY SortOrder
