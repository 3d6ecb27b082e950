-- Fluid ports of a bladder size and pressure class. When the flow needs oversize
-- ports ([parUserflow] "Y") only those are offered.
SELECT Code, CodeLocation, Description, PortSize
FROM DetailChoices
WHERE AccumulatorType = 'Bladder' AND Kind = 'Hydraulic Port'
  AND (CapCodes = '*' OR instr(',' || CapCodes || ',', ',' || :parSizeCode || ',') > 0)
  AND (PressureCodes = '*' OR instr(',' || PressureCodes || ',', ',' || :parPressure || ',') > 0)
  AND UserFlow IN ('*', :parUserflow)
ORDER BY SortOrder
