-- Gas ports of a gas bottle series.
SELECT Code, CodeLocation, Description
FROM DetailChoices
WHERE AccumulatorType = 'GB' AND Kind = 'Gas Port' AND SeriesCode IN ('*', :parSeries)
ORDER BY SortOrder
