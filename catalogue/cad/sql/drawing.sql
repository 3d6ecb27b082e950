-- The drawing data, taken from the catalogue (attached as "cat") so that every piston and
-- bladder model it offers can be drawn with the same length, diameter and ports.

-- Diameters drawn for each port size: thread major diameter, flange bore. The sizes are
-- written as the catalogue writes them, so that they match its sizes in every language.
INSERT INTO CadPortSizes (Size, DiameterMm, Flange) VALUES
    (_('SAE-4 (7/16-20 UNF)'), 11.11, 0), (_('SAE-6 (9/16-18 UNF)'), 14.29, 0), (_('SAE-8 (3/4-16 UNF)'), 19.05, 0),
    (_('SAE-12 (1-1/16-12 UN)'), 26.99, 0), (_('SAE-16 (1-5/16-12 UN)'), 33.34, 0),
    (_('SAE-20 (1-5/8-12 UN)'), 41.28, 0), (_('SAE-24 (1-7/8-12 UN)'), 47.63, 0), (_('SAE-32 (2-1/2-12 UN)'), 63.5, 0),
    (_('3/4 in Flange'), 19.05, 1), (_('1 in Flange'), 25.4, 1), (_('1-1/4 in Flange'), 31.75, 1),
    (_('1-1/2 in Flange'), 38.1, 1), (_('2 in Flange'), 50.8, 1),
    (_('1-1/2 in Flange, Code 61'), 38.1, 1), (_('1-1/2 in Flange, Code 62'), 38.1, 1),
    (_('2 in Flange, Code 61'), 50.8, 1), (_('2 in Flange, Code 62'), 50.8, 1),
    (_('G 1/4'), 13.16, 0), (_('G 1/2'), 20.96, 0), (_('G 3/4'), 26.44, 0), (_('G 1'), 33.25, 0),
    (_('G 1-1/4'), 41.91, 0), (_('G 1-1/2'), 47.8, 0),
    (_('M14 x 1.5'), 14.0, 0), (_('M22 x 1.5'), 22.0, 0), (_('M27 x 2'), 27.0, 0), (_('M33 x 2'), 33.0, 0),
    (_('M42 x 2'), 42.0, 0), (_('M48 x 2'), 48.0, 0),
    (_('1/2 NPTF'), 21.34, 0), (_('3/4 NPTF'), 26.67, 0), (_('1 NPTF'), 33.4, 0), (_('1-1/4 NPTF'), 42.16, 0),
    (_('7/8-14 UNF Valve'), 22.23, 0);

-- Piston models: the catalogue's length and outside diameter; the end caps as long as the
-- catalogue's length rule makes them (half the bore plus one inch).
INSERT INTO CadPistonModels
WITH m AS (
    SELECT m.*, b.BoreIn,
           CASE m.LengthUnits WHEN 'MM' THEN 1.0 ELSE 25.4 END AS ToMm,
           CASE m.BoreUnits WHEN 'MM' THEN 1.0 ELSE 25.4 END AS BoreToMm
    FROM cat.Models m JOIN cat.Bores b ON b.BoreCode = m.BoreCode
    WHERE m.AccumulatorType = 'Piston'),
sized AS (
    SELECT *, OverallLength * ToMm AS L, OutsideDiameter * ToMm AS D, (0.5 * BoreIn + 1.0) * 25.4 AS Cap
    FROM m)
SELECT SeriesCode, substr(BoreCode, 2), substr(CapCode, 2),
       _num(PressureRating) || CASE WHEN PressUnits IN ('BAR', 'BARG') THEN ' bar' ELSE ' psi' END,
       SeriesCode, BoreCode, CapCode, PressureCode, AccumulatorDesc,
       _num(Capacity) || CASE CapacityUnits WHEN 'CU_IN' THEN ' in' || char(179) WHEN 'GAL' THEN ' gal'
                                            ELSE ' L' END,
       L, D, BoreDisplay * BoreToMm, Cap,
       -- Two clamps on a long tube, a fifth of the tube in from each cap; one in the middle otherwise.
       CASE WHEN L - 2.0 * Cap >= 3.0 * D THEN Cap + 0.2 * (L - 2.0 * Cap) ELSE L / 2.0 END,
       CASE WHEN L - 2.0 * Cap >= 3.0 * D THEN L - Cap - 0.2 * (L - 2.0 * Cap) END,
       MAX(20.0, ROUND(0.15 * D, 0))
FROM sized;

-- Piston ports: every type and size the catalogue offers, labelled as the report labels them.
INSERT INTO CadPistonPorts (Side, Code, Label, DiameterMm, DepthMm)
SELECT z.Side, z.TypeCode || z.SizeCode,
       CASE WHEN t.TypeCode = 'V' THEN t.Type ELSE z.Size || ', ' || t.Type END,
       s.DiameterMm, ROUND(0.6 * s.DiameterMm + 8.0, 0)
FROM cat.PistonPortSizes z
JOIN cat.PistonPortTypes t ON t.Side = z.Side AND t.TypeCode = z.TypeCode
LEFT JOIN CadPortSizes s ON s.Size = z.Size;

INSERT INTO CadPistonStdPorts (BoreCode, HydPort, GasPort)
SELECT BoreCode, HydType || HydSize, GasType || GasSize FROM cat.PistonStdPorts WHERE DesignNumber = '1';

INSERT INTO CadPistonConstructions (Code, Text)
SELECT Code, Construction || CASE WHEN Approval = _('None') THEN '' ELSE ', ' || Approval END
FROM cat.PistonConstructions;

INSERT INTO CadPistonOptions (Code, Text, SortOrder) SELECT PartNumberCode, Option, SortOrder FROM cat.PistonOptions;

INSERT INTO CadSeals (AccumulatorType, Code, Text)
SELECT AccumulatorType, Code, Description FROM cat.Seals WHERE AccumulatorType IN ('Piston', 'Bladder');

-- Bladder models: the catalogue's length holds both heads, a 1.75 in fluid port stem and a
-- 1.25 in gas valve stem; each head is drawn 0.38 of the outside diameter deep.
INSERT INTO CadBladderModels
WITH m AS (SELECT * FROM cat.Models WHERE AccumulatorType = 'Bladder'),
sized AS (SELECT *, OverallLength * 25.4 AS L, OutsideDiameter * 25.4 AS D FROM m)
SELECT SeriesCode, substr(CapCode, 2),
       _num(PressureRating) || CASE WHEN PressUnits IN ('BAR', 'BARG') THEN ' bar' ELSE ' psi' END,
       SeriesCode, CapCode, PressureCode, AccumulatorDesc,
       CASE WHEN CapCode = '-1Q' THEN '1 qt' ELSE _num(Capacity) || ' gal' END,
       L, D, ROUND(0.38 * D, 1), 44.45, 31.75, 22.23,
       -- A support at the lower head and a clamp near the top of a long shell.
       44.45 + 0.38 * D + 0.5 * MAX(20.0, ROUND(0.15 * D, 0)) + 5.0,
       CASE WHEN L - 76.2 - 0.76 * D >= 2.0 * D THEN L - 31.75 - 0.38 * D - 0.5 * MAX(20.0, ROUND(0.15 * D, 0)) - 5.0 END,
       MAX(20.0, ROUND(0.15 * D, 0)), NULL, NULL
FROM sized;

-- Bladder fluid ports of each size and pressure class, as the details step offers them.
INSERT INTO CadBladderPorts (Code, CapCode, PressureCode, Label, DiameterMm, StemDiameterMm)
SELECT DISTINCT c.Code, m.CapCode, m.PressureCode, c.Description || ', ' || c.PortSize, s.DiameterMm,
       CASE WHEN s.Flange THEN ROUND(2.2 * s.DiameterMm, 1) ELSE ROUND(s.DiameterMm + 14.0, 1) END
FROM cat.DetailChoices c
JOIN cat.Models m ON m.AccumulatorType = 'Bladder'
    AND (c.CapCodes = '*' OR instr(',' || c.CapCodes || ',', ',' || m.CapCode || ',') > 0)
    AND (c.PressureCodes = '*' OR instr(',' || c.PressureCodes || ',', ',' || m.PressureCode || ',') > 0)
LEFT JOIN CadPortSizes s ON s.Size = c.PortSize
WHERE c.AccumulatorType = 'Bladder' AND c.Kind = 'Hydraulic Port';

INSERT INTO CadBladderTexts (Kind, SeriesCode, Code, Text)
SELECT Kind, SeriesCode, Code, Description FROM cat.DetailChoices
WHERE AccumulatorType = 'Bladder' AND Kind IN ('Construction', 'Modification');

-- Transfer barriers: the bladder shell of the same capacity and pressure with a fluid port
-- stem in place of the gas valve stem. The catalogue's extra length is the top stem's; the
-- body and the clamps stay where the bladder shell has them.
INSERT INTO CadBladderModels
WITH t AS (
    SELECT SeriesCode, PressureCode, CapCode, MAX(OverallLength) * 25.4 AS L, MAX(OutsideDiameter) * 25.4 AS D
    FROM cat.TransferBarriers GROUP BY SeriesCode, PressureCode, CapCode),
top AS (
    SELECT d.SeriesCode, d.PortSize AS Label, s.DiameterMm
    FROM cat.DetailChoices d JOIN CadPortSizes s ON s.Size = d.PortSize
    WHERE d.AccumulatorType = 'Bladder' AND d.Kind = 'Gas Type' AND d.IsDefault)
SELECT t.SeriesCode, b.Size, b.Pressure, t.SeriesCode, t.CapCode, t.PressureCode,
       replace(_('Transfer Barrier, %s'), '%s', b.CapacityText), b.CapacityText,
       t.L, t.D, b.HeadMm, b.PortStemMm, b.ValveStemMm + t.L - b.LengthMm, ROUND(top.DiameterMm + 14.0, 1),
       b.Clamp1Mm, b.Clamp2Mm, b.ClampWidthMm, top.Label, top.DiameterMm
FROM t
JOIN CadBladderModels b ON b.SeriesCode = 'BA' AND b.CapCode = t.CapCode AND b.PressureCode = t.PressureCode
JOIN top ON top.SeriesCode = t.SeriesCode;

INSERT INTO CadTransferCodes (SeriesCode, Construction, Port, Seal, DesignCode)
SELECT DISTINCT t.SeriesCode,
       (SELECT Code FROM cat.DetailChoices WHERE AccumulatorType = 'Bladder' AND Kind = 'Construction'
            AND SeriesCode = t.SeriesCode AND IsDefault),
       (SELECT Code FROM cat.DetailChoices WHERE AccumulatorType = 'Bladder' AND Kind = 'Hydraulic Port'
            AND SeriesCode IN ('*', t.SeriesCode) AND IsDefault ORDER BY SeriesCode = '*' LIMIT 1),
       (SELECT Code FROM cat.Seals WHERE AccumulatorType = 'Bladder' AND IsDefault ORDER BY SortOrder LIMIT 1),
       (SELECT Code FROM cat.DetailChoices WHERE AccumulatorType = 'Bladder' AND Kind = 'Design Code'
            AND SeriesCode IN ('*', t.SeriesCode) AND IsDefault ORDER BY SeriesCode = '*' LIMIT 1)
FROM cat.TransferBarriers t;
