-- Certifications of a bladder size and pressure class.
SELECT Code, CodeLocation, Description
FROM DetailChoices
WHERE AccumulatorType = :parAccumType AND Kind = 'Certification'
  AND (CapCodes = '*' OR instr(',' || CapCodes || ',', ',' || :parSize || ',') > 0)
  AND (PressureCodes = '*' OR instr(',' || PressureCodes || ',', ',' || :parPressure || ',') > 0)
ORDER BY SortOrder
