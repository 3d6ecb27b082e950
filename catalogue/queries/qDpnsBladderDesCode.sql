-- The design generation of a bladder size.
SELECT Code, CodeLocation, Description
FROM DetailChoices
WHERE AccumulatorType = 'Bladder' AND Kind = 'Design Code'
  AND (CapCodes = '*' OR instr(',' || CapCodes || ',', ',' || :parBoreSize || ',') > 0)
ORDER BY SortOrder
