-- Dimensions of a bladder model for the report.
WITH m AS (
    SELECT * FROM Models
    WHERE SeriesCode = :parSeries AND PressureCode = :parPressure AND CapCode = :parCapacity),
port AS (
    SELECT Description || ', ' || PortSize AS Text FROM DetailChoices
    WHERE AccumulatorType = 'Bladder' AND Kind = 'Hydraulic Port' AND Code = :parPortType
      AND (CapCodes = '*' OR instr(',' || CapCodes || ',', ',' || :parCapacity || ',') > 0)
      AND (PressureCodes = '*' OR instr(',' || PressureCodes || ',', ',' || :parPressure || ',') > 0)
    LIMIT 1),
shell AS (
    SELECT Description AS Text FROM DetailChoices
    WHERE AccumulatorType = 'Bladder' AND Kind = 'Construction' AND Code = :parConstruction
      AND SeriesCode IN ('*', :parSeries)
    LIMIT 1),
rows(Ord, Dim, Value) AS (
    SELECT 1, _('A - Overall Length'), _num(OverallLength) || ' in' FROM m
    UNION ALL SELECT 2, _('B - Shell Diameter'), _num(OutsideDiameter) || ' in' FROM m
    UNION ALL SELECT 3, _('C - Fluid Port'), port.Text FROM m, port
    UNION ALL SELECT 4, _('D - Gas Valve'), _('7/8-14 UNF Gas Charging Valve') FROM m
    UNION ALL SELECT 5, _('Construction'), shell.Text FROM m, shell
    UNION ALL SELECT 6, _('Gas Volume'), _num(Capacity) || CASE CapacityUnits WHEN 'CU_IN' THEN ' in' || char(179) WHEN 'GAL' THEN ' gal' WHEN 'L' THEN ' L' ELSE '' END FROM m
    UNION ALL SELECT 7, _('Weight (approx.)'), _num(Weight) || ' lb' FROM m)
SELECT Dim, Value FROM rows ORDER BY Ord
