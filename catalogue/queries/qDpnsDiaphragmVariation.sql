-- Certified variations of a diaphragm series.
SELECT Code, CodeLocation, Description
FROM DetailChoices
WHERE AccumulatorType = 'Diaphragm' AND Kind = 'Certification' AND SeriesCode IN ('*', :parSeries)
ORDER BY SortOrder
