-- Dimensions of a gas bottle with a piston or bladder body (PG, BG), chosen as a product: the
-- body's length and diameter, and its two gas ends - the port to the accumulator and the valve.
WITH m AS (
    SELECT *, CASE LengthUnits WHEN 'MM' THEN ' mm' ELSE ' in' END AS L,
           CASE WeightUnits WHEN 'KG' THEN ' kg' ELSE ' lb' END AS W
    FROM Models
    WHERE SeriesCode = :parSeries AND PressureCode = :parPressure AND CapCode = :parCapacity
      AND BoreCode = :parBore),
port AS (
    SELECT Description AS Text FROM DetailChoices
    WHERE AccumulatorType = 'GB' AND Kind = 'Gas Port' AND Code = :parGasPort AND SeriesCode IN ('*', :parSeries)),
valve AS (
    SELECT Description AS Text FROM DetailChoices
    WHERE AccumulatorType = 'GB' AND Kind = 'Gas Valve Port' AND Code = :parValvePort
      AND SeriesCode IN ('*', :parSeries)),
rows(Ord, Dim, Value) AS (
    SELECT 1, _('A - Overall Length'), _num(OverallLength) || L FROM m
    UNION ALL SELECT 2, _('B - Outside Diameter'), _num(OutsideDiameter) || L FROM m
    UNION ALL SELECT 3, _('C - Gas Port'), port.Text FROM m, port
    UNION ALL SELECT 4, _('D - Gas Valve'), valve.Text FROM m, valve
    UNION ALL SELECT 5, _('Gas Volume'), _num(Capacity) || CASE CapacityUnits WHEN 'CU_IN' THEN ' in' || char(179) WHEN 'GAL' THEN ' gal' WHEN 'L' THEN ' L' ELSE '' END FROM m
    UNION ALL SELECT 6, _('Weight (approx.)'), _num(Weight) || W FROM m)
SELECT Dim, Value FROM rows ORDER BY Ord
