-- Charging valve ports of a gas bottle series.
SELECT Code, CodeLocation, Description
FROM DetailChoices
WHERE AccumulatorType = 'GB' AND Kind = 'Gas Valve Port' AND SeriesCode IN ('*', :parSeries)
ORDER BY SortOrder
