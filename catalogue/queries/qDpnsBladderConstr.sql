-- Shell constructions of a bladder series and size.
SELECT Code, CodeLocation, Description
FROM DetailChoices
WHERE AccumulatorType = 'Bladder' AND Kind = 'Construction'
  AND SeriesCode IN ('*', :parSeries) AND (CapCodes = '*' OR instr(',' || CapCodes || ',', ',' || :parSize || ',') > 0)
ORDER BY SortOrder
