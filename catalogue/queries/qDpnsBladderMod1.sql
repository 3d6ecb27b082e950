-- Modifications of a bladder series, size and pressure class.
SELECT Code, CodeLocation, Description
FROM DetailChoices
WHERE AccumulatorType = 'Bladder' AND Kind = 'Modification'
  AND SeriesCode IN ('*', :parSeries) AND (CapCodes = '*' OR instr(',' || CapCodes || ',', ',' || :parSize || ',') > 0)
  AND (PressureCodes = '*' OR instr(',' || PressureCodes || ',', ',' || :parPressure || ',') > 0)
ORDER BY SortOrder
