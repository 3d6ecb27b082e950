-- Shell constructions of a diaphragm series.
SELECT Code, CodeLocation, Description
FROM DetailChoices
WHERE AccumulatorType = 'Diaphragm' AND Kind = 'Construction' AND SeriesCode IN ('*', :parSeries)
ORDER BY SortOrder
