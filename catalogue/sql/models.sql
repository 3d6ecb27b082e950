-- Series, pressure classes, bores and every orderable body (accumulators and gas bottles).
--
-- Model numbers are the codes in ascending position:
--   Piston    PA31-4-150-NS-GM     series 1, pressure 2, port style 3, bore 4, capacity 5, seal 6,
--                                  port modifications 7-10, construction 11, options 12
--   Bladder   BA31-5G-NSS          series 1, pressure 2, design 3, capacity 4, bladder 5,
--                                  fluid port 6, construction 7, certification 9, modification 10
--                                  (the gas valve at 8 serves the report; it is not part of the number)
--   Diaphragm DA3S-50-NW           series 1, pressure 2, port 3, capacity 4, diaphragm 5,
--                                  construction 6, certification 7
--   Gas bottle GB3-10G-S1          series 1, pressure 2, capacity 3, gas port 4, valve port 5
--              PG31-9-10G-NS-S1    a piston body's codes without port modifications, gas port 12, valve port 13
--              BG31-5G-NSS-S1      a bladder shell's codes, gas port 11, valve port 12
--
-- A model's description is all the step panel shows of it, so it names what tells the models of
-- a series apart: the rating, the bore of a piston and the capacity.

INSERT INTO Series (SeriesCode, SeriesLocation, AccumulatorType, Description, Image, Metric) VALUES
    ('PA', 1, 'Piston', _('Piston Accumulator, Inch Series'), 'SeriesPA.jpg', 0),
    ('PM', 1, 'Piston', _('Piston Accumulator, Metric Series'), 'SeriesPM.jpg', 1),
    ('PG', 1, 'Piston', _('Piston-Style Gas Bottle'), 'SeriesPG.jpg', 0),
    ('BA', 1, 'Bladder', _('Bladder Accumulator'), 'SeriesBA.jpg', 0),
    ('BH', 1, 'Bladder', _('High-Pressure Bladder Accumulator'), 'SeriesBH.jpg', 0),
    ('BG', 1, 'Bladder', _('Bladder-Style Gas Bottle'), 'SeriesBG.jpg', 0),
    ('DA', 1, 'Diaphragm', _('Diaphragm Accumulator'), 'SeriesDA.jpg', 0),
    ('GB', 1, 'GB', _('Gas Bottle'), 'SeriesGB.jpg', 0);

-- The gauge rating in psi is kept beside the rating for the port and option rules.
INSERT INTO PressureClasses (SeriesCode, PressureCode, PressureLocation, PressureRating, PressUnits, RatingPsi)
WITH c(SeriesCode, PressureCode, Rating, Units) AS (VALUES
    ('PA', '3', 3000.0, 'PSIG'), ('PA', '4', 4000.0, 'PSIG'), ('PA', '5', 5000.0, 'PSIG'),
    ('PM', 'K', 210.0, 'BARG'), ('PM', 'L', 250.0, 'BARG'), ('PM', 'M', 350.0, 'BARG'),
    ('PG', '3', 3000.0, 'PSIG'),
    ('BA', '3', 3000.0, 'PSIG'), ('BA', '5', 5000.0, 'PSIG'),
    ('BH', '4', 4000.0, 'PSIG'), ('BH', '6', 6000.0, 'PSIG'),
    ('BG', '3', 3000.0, 'PSIG'),
    ('DA', '3', 3000.0, 'PSIG'), ('DA', '5', 5000.0, 'PSIG'),
    ('GB', '3', 3000.0, 'PSIG'), ('GB', '5', 5000.0, 'PSIG'), ('GB', 'K', 210.0, 'BARG'))
SELECT c.SeriesCode, c.PressureCode, 2, c.Rating, c.Units, (c.Rating * u.Factor + u.Offset - 101314.224) / 6894.757
FROM c JOIN Units u ON u.Code = c.Units;

-- Piston bores. Inch bores serve the PA series and the PG gas bottles.
INSERT INTO Bores (BoreCode, SeriesCode, BoreLocation, BoreDisplay, BoreUnits, BoreIn) VALUES
    ('-1', 'PA', 4, 1.0, 'IN', 1.0), ('-2', 'PA', 4, 2.0, 'IN', 2.0), ('-3', 'PA', 4, 3.0, 'IN', 3.0),
    ('-4', 'PA', 4, 4.0, 'IN', 4.0), ('-6', 'PA', 4, 6.0, 'IN', 6.0), ('-7', 'PA', 4, 7.0, 'IN', 7.0),
    ('-9', 'PA', 4, 9.0, 'IN', 9.0), ('-12', 'PA', 4, 12.0, 'IN', 12.0),
    ('-50', 'PM', 4, 50.0, 'MM', 50.0 / 25.4), ('-80', 'PM', 4, 80.0, 'MM', 80.0 / 25.4),
    ('-100', 'PM', 4, 100.0, 'MM', 100.0 / 25.4), ('-125', 'PM', 4, 125.0, 'MM', 125.0 / 25.4),
    ('-160', 'PM', 4, 160.0, 'MM', 160.0 / 25.4), ('-200', 'PM', 4, 200.0, 'MM', 200.0 / 25.4);

-- Piston accumulators and piston-style gas bottles. Lengths follow from the gas
-- volume over the bore area plus two end caps; the wall from the hoop stress at
-- the rating (30,000 psi allowed), rounded up to 1/8 in (1 mm metric).
INSERT INTO Models
WITH sizes(SeriesCode, BoreCode, CapCode, Capacity, CapacityUnits, CuIn) AS (VALUES
    ('PA', '-1', '-0.5', 0.5, 'CU_IN', 0.5), ('PA', '-1', '-1', 1.0, 'CU_IN', 1.0),
    ('PA', '-1', '-2', 2.0, 'CU_IN', 2.0), ('PA', '-1', '-5', 5.0, 'CU_IN', 5.0),
    ('PA', '-2', '-5', 5.0, 'CU_IN', 5.0), ('PA', '-2', '-10', 10.0, 'CU_IN', 10.0),
    ('PA', '-2', '-25', 25.0, 'CU_IN', 25.0), ('PA', '-2', '-50', 50.0, 'CU_IN', 50.0),
    ('PA', '-3', '-25', 25.0, 'CU_IN', 25.0), ('PA', '-3', '-50', 50.0, 'CU_IN', 50.0),
    ('PA', '-3', '-100', 100.0, 'CU_IN', 100.0), ('PA', '-3', '-150', 150.0, 'CU_IN', 150.0),
    ('PA', '-4', '-100', 100.0, 'CU_IN', 100.0), ('PA', '-4', '-150', 150.0, 'CU_IN', 150.0),
    ('PA', '-4', '-1G', 1.0, 'GAL', 231.0), ('PA', '-4', '-2.5G', 2.5, 'GAL', 577.5),
    ('PA', '-6', '-1G', 1.0, 'GAL', 231.0), ('PA', '-6', '-2.5G', 2.5, 'GAL', 577.5),
    ('PA', '-6', '-5G', 5.0, 'GAL', 1155.0),
    ('PA', '-7', '-2.5G', 2.5, 'GAL', 577.5), ('PA', '-7', '-5G', 5.0, 'GAL', 1155.0),
    ('PA', '-7', '-10G', 10.0, 'GAL', 2310.0),
    ('PA', '-9', '-5G', 5.0, 'GAL', 1155.0), ('PA', '-9', '-10G', 10.0, 'GAL', 2310.0),
    ('PA', '-9', '-15G', 15.0, 'GAL', 3465.0), ('PA', '-9', '-20G', 20.0, 'GAL', 4620.0),
    ('PA', '-12', '-10G', 10.0, 'GAL', 2310.0), ('PA', '-12', '-20G', 20.0, 'GAL', 4620.0),
    ('PA', '-12', '-30G', 30.0, 'GAL', 6930.0), ('PA', '-12', '-40G', 40.0, 'GAL', 9240.0),
    ('PM', '-50', '-0.1L', 0.1, 'L', 6.10237), ('PM', '-50', '-0.25L', 0.25, 'L', 15.2559),
    ('PM', '-50', '-0.5L', 0.5, 'L', 30.5119), ('PM', '-50', '-1L', 1.0, 'L', 61.0237),
    ('PM', '-80', '-0.5L', 0.5, 'L', 30.5119), ('PM', '-80', '-1L', 1.0, 'L', 61.0237),
    ('PM', '-80', '-2L', 2.0, 'L', 122.047), ('PM', '-80', '-4L', 4.0, 'L', 244.095),
    ('PM', '-100', '-1L', 1.0, 'L', 61.0237), ('PM', '-100', '-2L', 2.0, 'L', 122.047),
    ('PM', '-100', '-4L', 4.0, 'L', 244.095), ('PM', '-100', '-6L', 6.0, 'L', 366.142),
    ('PM', '-125', '-4L', 4.0, 'L', 244.095), ('PM', '-125', '-6L', 6.0, 'L', 366.142),
    ('PM', '-125', '-10L', 10.0, 'L', 610.237), ('PM', '-125', '-16L', 16.0, 'L', 976.379),
    ('PM', '-160', '-10L', 10.0, 'L', 610.237), ('PM', '-160', '-16L', 16.0, 'L', 976.379),
    ('PM', '-160', '-25L', 25.0, 'L', 1525.59), ('PM', '-160', '-40L', 40.0, 'L', 2440.95),
    ('PM', '-200', '-25L', 25.0, 'L', 1525.59), ('PM', '-200', '-40L', 40.0, 'L', 2440.95),
    ('PM', '-200', '-50L', 50.0, 'L', 3051.19), ('PM', '-200', '-75L', 75.0, 'L', 4576.78),
    ('PG', '-7', '-2.5G', 2.5, 'GAL', 577.5), ('PG', '-7', '-5G', 5.0, 'GAL', 1155.0),
    ('PG', '-9', '-5G', 5.0, 'GAL', 1155.0), ('PG', '-9', '-10G', 10.0, 'GAL', 2310.0),
    ('PG', '-9', '-20G', 20.0, 'GAL', 4620.0),
    ('PG', '-12', '-20G', 20.0, 'GAL', 4620.0), ('PG', '-12', '-40G', 40.0, 'GAL', 9240.0)),
-- Largest bore of each pressure class, in inches.
limits(SeriesCode, PressureCode, MaxBoreIn) AS (VALUES
    ('PA', '3', 12.0), ('PA', '4', 9.0), ('PA', '5', 7.0),
    ('PM', 'K', 8.0), ('PM', 'L', 6.3), ('PM', 'M', 4.93), ('PG', '3', 12.0)),
-- Flow per unit through the standard and the largest fluid port, by bore.
flows(BoreCode, StdFlow, MaxFlow, FlowUnits) AS (VALUES
    ('-1', 3.0, 6.0, 'GPM'), ('-2', 12.0, 25.0, 'GPM'), ('-3', 25.0, 45.0, 'GPM'), ('-4', 40.0, 75.0, 'GPM'),
    ('-6', 60.0, 120.0, 'GPM'), ('-7', 90.0, 180.0, 'GPM'), ('-9', 150.0, 280.0, 'GPM'),
    ('-12', 250.0, 450.0, 'GPM'),
    ('-50', 45.0, 95.0, 'LPM'), ('-80', 95.0, 170.0, 'LPM'), ('-100', 150.0, 280.0, 'LPM'),
    ('-125', 230.0, 450.0, 'LPM'), ('-160', 340.0, 680.0, 'LPM'), ('-200', 570.0, 1050.0, 'LPM')),
shaped AS (
    SELECT s.*, p.PressureCode, p.PressureLocation, p.PressureRating, p.PressUnits, p.RatingPsi,
           b.BoreLocation, b.BoreDisplay, b.BoreUnits, b.BoreIn, se.Metric,
           f.StdFlow, f.MaxFlow, f.FlowUnits,
           s.CuIn / (3.14159265358979 * b.BoreIn * b.BoreIn / 4.0) AS BodyIn,
           0.5 * b.BoreIn + 1.0 AS CapIn,
           MAX(p.RatingPsi * b.BoreIn / 2.0 / (30000.0 - 0.6 * p.RatingPsi), 0.125) AS WallIn
    FROM sizes s
    JOIN Series se ON se.SeriesCode = s.SeriesCode
    JOIN Bores b ON b.BoreCode = s.BoreCode
    JOIN PressureClasses p ON p.SeriesCode = s.SeriesCode
    JOIN limits l ON l.SeriesCode = p.SeriesCode AND l.PressureCode = p.PressureCode
    JOIN flows f ON f.BoreCode = s.BoreCode
    WHERE b.BoreIn <= l.MaxBoreIn),
outlined AS (
    SELECT *, CAST((BoreIn + 2.0 * WallIn) * 8.0 + 0.999 AS INTEGER) / 8.0 AS OdIn,
           BodyIn + 2.0 * CapIn AS LengthIn
    FROM shaped)
SELECT SeriesCode, 1, PressureCode, PressureLocation, PressureRating, PressUnits,
       BoreCode, BoreLocation, BoreDisplay, BoreUnits, CapCode, 5, Capacity, CapacityUnits,
       '1', 3, 'Piston',
       printf(CASE SeriesCode WHEN 'PA' THEN _('Piston, %s, %s Bore, %s') WHEN 'PM' THEN _('Piston, Metric, %s, %s Bore, %s')
                              ELSE _('Piston-Style Gas Bottle, %s, %s Bore, %s') END,
              _num(PressureRating) || CASE WHEN PressUnits IN ('BAR', 'BARG') THEN ' bar' ELSE ' psi' END,
              _num(BoreDisplay) || CASE WHEN Metric THEN ' mm' ELSE ' in' END,
              _num(Capacity) || CASE CapacityUnits WHEN 'CU_IN' THEN ' in' || char(179) WHEN 'L' THEN ' L' ELSE ' gal' END),
       StdFlow, MaxFlow, FlowUnits,
       CASE WHEN Metric THEN ROUND(LengthIn * 25.4, 0) ELSE ROUND(LengthIn, 1) END,
       CASE WHEN Metric THEN ROUND(OdIn * 25.4, 0) ELSE OdIn END,
       CASE WHEN Metric THEN 'MM' ELSE 'IN' END,
       -- Shell, two end caps (partly hollow) and the piston, in steel.
       ROUND((3.14159265358979 / 4.0 * (OdIn * OdIn - BoreIn * BoreIn) * BodyIn
              + 2.0 * 3.14159265358979 / 4.0 * OdIn * OdIn * CapIn * 0.6
              + 3.14159265358979 / 4.0 * BoreIn * BoreIn * BoreIn * 0.2)
             * CASE WHEN Metric THEN 0.283 * 0.45359 ELSE 0.283 END, 1),
       CASE WHEN Metric THEN 'KG' ELSE 'LB' END
FROM outlined;

-- Bladder accumulators and bladder-style gas bottles: a cylindrical shell with
-- dished heads, the fluid port at the bottom and the gas valve on top.
INSERT INTO Models
WITH sizes(SeriesCode, CapCode, Capacity, CapacityUnits, CuIn, ShellIdIn, StdFlow, MaxFlow) AS (VALUES
    ('BA', '-1Q', 0.25, 'GAL', 57.75, 3.5, 30.0, 45.0), ('BA', '-1G', 1.0, 'GAL', 231.0, 6.0, 40.0, 80.0),
    ('BA', '-2.5G', 2.5, 'GAL', 577.5, 8.0, 100.0, 200.0), ('BA', '-5G', 5.0, 'GAL', 1155.0, 8.0, 150.0, 300.0),
    ('BA', '-10G', 10.0, 'GAL', 2310.0, 8.0, 150.0, 400.0), ('BA', '-11G', 11.0, 'GAL', 2541.0, 11.0, 150.0, 400.0),
    ('BA', '-15G', 15.0, 'GAL', 3465.0, 11.0, 150.0, 400.0),
    ('BH', '-1G', 1.0, 'GAL', 231.0, 5.5, 40.0, 80.0), ('BH', '-2.5G', 2.5, 'GAL', 577.5, 7.5, 90.0, 180.0),
    ('BH', '-5G', 5.0, 'GAL', 1155.0, 7.5, 130.0, 260.0), ('BH', '-10G', 10.0, 'GAL', 2310.0, 10.0, 130.0, 350.0),
    ('BH', '-15G', 15.0, 'GAL', 3465.0, 10.0, 130.0, 350.0),
    ('BG', '-2.5G', 2.5, 'GAL', 577.5, 8.0, 1000.0, 1000.0), ('BG', '-5G', 5.0, 'GAL', 1155.0, 8.0, 1000.0, 1000.0),
    ('BG', '-10G', 10.0, 'GAL', 2310.0, 8.0, 1000.0, 1000.0),
    ('BG', '-15G', 15.0, 'GAL', 3465.0, 11.0, 1000.0, 1000.0)),
-- Sizes of each pressure class (the 5000 psi standard shells stop at 5 gallons,
-- the 6000 psi forged shells at 10).
classes(SeriesCode, PressureCode, MaxCuIn) AS (VALUES
    ('BA', '3', 1.0e9), ('BA', '5', 1155.0), ('BH', '4', 1.0e9), ('BH', '6', 2310.0), ('BG', '3', 1.0e9)),
shaped AS (
    SELECT s.*, p.PressureCode, p.PressureLocation, p.PressureRating, p.PressUnits,
           s.CuIn / (3.14159265358979 * s.ShellIdIn * s.ShellIdIn / 4.0) AS BodyIn,
           MAX(p.RatingPsi * s.ShellIdIn / 2.0 / (30000.0 - 0.6 * p.RatingPsi), 0.15) AS WallIn
    FROM sizes s
    JOIN PressureClasses p ON p.SeriesCode = s.SeriesCode
    JOIN classes c ON c.SeriesCode = p.SeriesCode AND c.PressureCode = p.PressureCode
    WHERE s.CuIn <= c.MaxCuIn)
SELECT SeriesCode, 1, PressureCode, PressureLocation, PressureRating, PressUnits,
       '', 0, 0.0, 'IN', CapCode, 4, Capacity, CapacityUnits, '1', 3, 'Bladder',
       printf(CASE SeriesCode WHEN 'BA' THEN _('Bladder, %s, %s') WHEN 'BH' THEN _('Bladder, High Pressure, %s, %s')
                              ELSE _('Bladder-Style Gas Bottle, %s, %s') END,
              _num(PressureRating) || CASE WHEN PressUnits IN ('BAR', 'BARG') THEN ' bar' ELSE ' psi' END,
              CASE WHEN CapCode = '-1Q' THEN '1 qt' ELSE _num(Capacity) || ' gal' END),
       StdFlow, MaxFlow, 'GPM',
       ROUND(BodyIn + 0.8 * ShellIdIn + 3.0, 1),
       CAST((ShellIdIn + 2.0 * WallIn) * 8.0 + 0.999 AS INTEGER) / 8.0, 'IN',
       ROUND(3.14159265358979 * (ShellIdIn + WallIn) * WallIn * (BodyIn + 0.8 * ShellIdIn) * 0.283 * 1.15, 1), 'LB'
FROM shaped;

-- Diaphragm accumulators: a welded or threaded sphere; the sphere's outside
-- diameter is listed with each size.
INSERT INTO Models
WITH sizes(CapCode, Capacity, SphereOdIn, StdFlow, MaxFlow) AS (VALUES
    ('-5', 5.0, 3.0, 10.0, 15.0), ('-10', 10.0, 3.6, 10.0, 15.0), ('-20', 20.0, 4.3, 10.0, 15.0),
    ('-30', 30.0, 4.8, 10.0, 15.0), ('-50', 50.0, 5.6, 20.0, 30.0), ('-80', 80.0, 6.5, 20.0, 30.0),
    ('-120', 120.0, 7.3, 20.0, 30.0), ('-170', 170.0, 8.2, 30.0, 45.0), ('-240', 240.0, 9.1, 30.0, 45.0))
SELECT 'DA', 1, p.PressureCode, p.PressureLocation, p.PressureRating, p.PressUnits,
       '', 0, 0.0, 'IN', s.CapCode, 4, s.Capacity, 'CU_IN', 'S', 3, 'Diaphragm',
       printf(_('Diaphragm, %s, %s in%s'), _num(p.PressureRating) || ' psi', _num(s.Capacity), char(179)),
       s.StdFlow, s.MaxFlow, 'GPM',
       ROUND(s.SphereOdIn + 1.6, 1), s.SphereOdIn + CASE WHEN p.PressureCode = '5' THEN 0.3 ELSE 0.0 END, 'IN',
       ROUND(0.55 * s.SphereOdIn * s.SphereOdIn * (1.0 + p.RatingPsi / 6000.0) * 0.283 * 2.5, 1), 'LB'
FROM sizes s JOIN PressureClasses p ON p.SeriesCode = 'DA'
WHERE p.PressureCode = '3' OR s.Capacity <= 80.0;

-- GB series gas bottles, in gallons (psi classes) and litres (210 bar).
INSERT INTO Models
WITH sizes(PressureCode, CapCode, Capacity, CapacityUnits, CuIn, ShellIdIn) AS (VALUES
    ('3', '-2.5G', 2.5, 'GAL', 577.5, 8.0), ('3', '-5G', 5.0, 'GAL', 1155.0, 8.0),
    ('3', '-10G', 10.0, 'GAL', 2310.0, 8.0), ('3', '-15G', 15.0, 'GAL', 3465.0, 11.0),
    ('3', '-20G', 20.0, 'GAL', 4620.0, 11.0), ('3', '-40G', 40.0, 'GAL', 9240.0, 11.0),
    ('5', '-2.5G', 2.5, 'GAL', 577.5, 7.5), ('5', '-5G', 5.0, 'GAL', 1155.0, 7.5),
    ('5', '-10G', 10.0, 'GAL', 2310.0, 10.0), ('5', '-15G', 15.0, 'GAL', 3465.0, 10.0),
    ('K', '-10L', 10.0, 'L', 610.237, 7.1), ('K', '-20L', 20.0, 'L', 1220.47, 7.1),
    ('K', '-50L', 50.0, 'L', 3051.19, 9.1), ('K', '-75L', 75.0, 'L', 4576.78, 10.6)),
shaped AS (
    SELECT s.*, p.PressureLocation, p.PressureRating, p.PressUnits,
           s.CuIn / (3.14159265358979 * s.ShellIdIn * s.ShellIdIn / 4.0) AS BodyIn,
           MAX(p.RatingPsi * s.ShellIdIn / 2.0 / (30000.0 - 0.6 * p.RatingPsi), 0.15) AS WallIn,
           p.PressureCode = 'K' AS Metric
    FROM sizes s JOIN PressureClasses p ON p.SeriesCode = 'GB' AND p.PressureCode = s.PressureCode)
SELECT 'GB', 1, PressureCode, PressureLocation, PressureRating, PressUnits,
       '', 0, 0.0, 'IN', CapCode, 3, Capacity, CapacityUnits, '', 0, 'GB',
       printf(_('Gas Bottle, %s, %s'), _num(PressureRating) || CASE WHEN PressUnits IN ('BAR', 'BARG') THEN ' bar' ELSE ' psi' END,
              _num(Capacity) || CASE WHEN Metric THEN ' L' ELSE ' gal' END),
       1000.0, 1000.0, 'GPM',
       CASE WHEN Metric THEN ROUND((BodyIn + 0.8 * ShellIdIn + 2.0) * 25.4, 0) ELSE ROUND(BodyIn + 0.8 * ShellIdIn + 2.0, 1) END,
       CASE WHEN Metric THEN ROUND((ShellIdIn + 2.0 * WallIn) * 25.4, 0)
            ELSE CAST((ShellIdIn + 2.0 * WallIn) * 8.0 + 0.999 AS INTEGER) / 8.0 END,
       CASE WHEN Metric THEN 'MM' ELSE 'IN' END,
       ROUND(3.14159265358979 * (ShellIdIn + WallIn) * WallIn * (BodyIn + 0.8 * ShellIdIn) * 0.283 * 1.1
             * CASE WHEN Metric THEN 0.45359 ELSE 1.0 END, 1),
       CASE WHEN Metric THEN 'KG' ELSE 'LB' END
FROM shaped;

-- Gas bottles offered with piston accumulators that need more gas than one body holds.
INSERT INTO PistonGasBottles (PistonSeries, GBSeries, GBPressureCode, GBCapCode, GBPartNumber, GasBottleDesc)
SELECT CASE WHEN m.PressureCode = 'K' THEN 'PM' ELSE 'PA' END, 'GB', m.PressureCode, m.CapCode,
       'GB' || m.PressureCode || m.CapCode || CASE WHEN m.PressureCode = 'K' THEN '-B1' ELSE '-S1' END,
       printf(CASE WHEN m.PressureCode = 'K' THEN _('%s, G 1 BSPP Gas Port') ELSE _('%s, SAE-16 Gas Port') END,
              m.AccumulatorDesc)
FROM Models m
WHERE m.SeriesCode = 'GB' AND m.CapCode IN ('-10G', '-15G', '-20G', '-40G', '-50L', '-75L')
  AND m.PressureCode IN ('3', 'K');
