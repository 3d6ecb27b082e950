-- The design generation of a diaphragm series: no code of its own.
SELECT Code, CodeLocation, Description
FROM RapidChoices
WHERE AccumulatorType = 'Diaphragm' AND Kind = 'Design Code'
  AND EXISTS (SELECT 1 FROM Series WHERE SeriesCode = :parSeries AND AccumulatorType = 'Diaphragm')
ORDER BY SortOrder
