-- The design generation of a gas bottle series: no code of its own.
SELECT Code, CodeLocation, Description
FROM RapidChoices
WHERE AccumulatorType = 'GB' AND Kind = 'Design Code'
  AND EXISTS (SELECT 1 FROM Series WHERE SeriesCode = :parSeries AND AccumulatorType = 'GB')
ORDER BY SortOrder
