-- Dimensions of a transfer barrier for the report: series, pressure code and capacity code.
WITH t AS (
    SELECT * FROM TransferBarriers
    WHERE SeriesCode = :parSeries AND PressureCode = :parPressure AND CapCode = :parCapacity LIMIT 1),
port AS (
    SELECT PortSize FROM DetailChoices
    WHERE AccumulatorType = 'Bladder' AND Kind = 'Hydraulic Port' AND Code = 'S' AND SeriesCode = '*'
      AND (CapCodes = '*' OR instr(',' || CapCodes || ',', ',' || :parCapacity || ',') > 0) LIMIT 1),
top AS (
    SELECT PortSize FROM DetailChoices
    WHERE AccumulatorType = 'Bladder' AND Kind = 'Gas Type' AND SeriesCode = :parSeries AND IsDefault LIMIT 1),
rows(Ord, Dim, Value) AS (
    SELECT 1, 'A - Overall Length', printf('%g in', OverallLength) FROM t
    UNION ALL SELECT 2, 'B - Shell Diameter', printf('%g in', OutsideDiameter) FROM t
    UNION ALL SELECT 3, 'C - Bottom Fluid Port', port.PortSize FROM t, port
    UNION ALL SELECT 4, 'D - Top Fluid Port', top.PortSize FROM t, top
    UNION ALL SELECT 5, 'Capacity', printf('%g gal', Cap) FROM t
    UNION ALL SELECT 6, 'Weight (approx.)', printf('%g lb', Weight) FROM t)
SELECT Dim, Value FROM rows ORDER BY Ord
