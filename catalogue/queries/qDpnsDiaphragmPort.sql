-- Fluid ports of a diaphragm series.
SELECT Code, CodeLocation, Description
FROM DetailChoices
WHERE AccumulatorType = 'Diaphragm' AND Kind = 'Port' AND SeriesCode IN ('*', :parSeries)
ORDER BY SortOrder
