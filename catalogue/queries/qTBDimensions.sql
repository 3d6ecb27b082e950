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
    SELECT 1, _('A - Overall Length'), _num(OverallLength) || ' in' FROM t
    UNION ALL SELECT 2, _('B - Shell Diameter'), _num(OutsideDiameter) || ' in' FROM t
    UNION ALL SELECT 3, _('C - Bottom Fluid Port'), port.PortSize FROM t, port
    UNION ALL SELECT 4, _('D - Top Fluid Port'), top.PortSize FROM t, top
    UNION ALL SELECT 5, _('Capacity'), _num(Cap) || ' gal' FROM t
    UNION ALL SELECT 6, _('Weight (approx.)'), _num(Weight) || ' lb' FROM t)
SELECT Dim, Value FROM rows ORDER BY Ord
