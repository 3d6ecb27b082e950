-- Fluid ports of a bladder size and pressure class, the oversize ones included (no flow is known
-- here), each with its size.
SELECT Code, CodeLocation, Description, PortSize
FROM DetailChoices
WHERE AccumulatorType = 'Bladder' AND Kind = 'Hydraulic Port' AND SeriesCode IN ('*', :parSeries)
  AND (CapCodes = '*' OR instr(',' || CapCodes || ',', ',' || :parBoreSize || ',') > 0)
  AND (PressureCodes = '*' OR instr(',' || PressureCodes || ',', ',' || :parPressure || ',') > 0)
ORDER BY SortOrder
