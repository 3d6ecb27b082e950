-- The products chosen besides accumulators: reservoir isolators (Ovrisol), transfer
-- barriers, accessories and repair kits. They build on the series, models and seal
-- compounds of models.sql and seals.sql, so they fit the accumulators of this catalogue.
--
-- Model numbers are the codes in ascending position:
--   Ovrisol          OV-10-S-N-1F         series 1, size 2, construction 3, bladder 4, design 5, breather 6
--   Transfer barrier TB31-10G-NSSP-O      series 1, pressure 2, design 3, capacity 4, bladder 5,
--                                         bottom port 6, construction 7, top port 8, certification 9,
--                                         modification 10, service 11
-- Accessories and repair kits are ordered by their part numbers.

INSERT INTO Series (SeriesCode, SeriesLocation, AccumulatorType, Description, Image, Metric) VALUES
    ('OV', 1, 'OV', _('Ovrisol Reservoir Isolator'), 'ProductReservoirIsolators.jpg', 0),
    ('TB', 1, 'Transfer', _('Transfer Barrier, Bladder Type'), 'ProductTransferBarriers.jpg', 0);

-- Reservoir isolators ---------------------------------------------------------------

-- Sizes by the volume of air the bladder can take in or give off (the reservoir's change of
-- fluid volume). The shell stands on the reservoir's top plate; the breather filters the air.
INSERT INTO OvrisolSizes (SeriesCode, SizeCode, SizeLocation, CapDisplay, CapDisplayUnits, ActualCapacity,
                          OverallLength, ShellDiameter, LengthUnits, MountingFlange, Breather, Weight, WeightUnits)
WITH sizes(SizeCode, Gal, LengthIn, DiameterIn, Flange, Breather, WeightLb) AS (VALUES
    ('-1', 1.0, 14.5, 6.0, _('2 in NPT Male Reservoir Connection'), _('3/4 in NPT, 10 Micron Filter'), 9.0),
    ('-2.5', 2.5, 19.0, 8.0, _('2 in NPT Male Reservoir Connection'), _('3/4 in NPT, 10 Micron Filter'), 16.0),
    ('-5', 5.0, 22.5, 10.0, _('4 in ANSI Class 150 Flange'), _('3/4 in NPT, 10 Micron Filter'), 27.0),
    ('-10', 10.0, 28.0, 12.75, _('4 in ANSI Class 150 Flange'), _('1-1/4 in NPT, 10 Micron Filter'), 46.0),
    ('-15', 15.0, 34.0, 14.0, _('4 in ANSI Class 150 Flange'), _('1-1/4 in NPT, 10 Micron Filter'), 62.0),
    ('-20', 20.0, 35.5, 16.0, _('6 in ANSI Class 150 Flange'), _('1-1/4 in NPT, 10 Micron Filter'), 78.0),
    ('-30', 30.0, 41.0, 18.0, _('6 in ANSI Class 150 Flange'), _('1-1/4 in NPT, 10 Micron Filter'), 105.0),
    ('-40', 40.0, 44.5, 20.0, _('6 in ANSI Class 150 Flange'), _('1-1/4 in NPT, 10 Micron Filter'), 132.0))
SELECT 'OV', SizeCode, 2, Gal, 'GAL', Gal * 0.003785413, LengthIn, DiameterIn, 'IN', Flange, Breather,
       WeightLb, 'LB'
FROM sizes;

INSERT INTO OvrisolConstructions (SeriesCode, Code, CodeLocation, Construction, SizeCodes, WeightFactor, SortOrder) VALUES
    ('OV', '-S', 3, _('Carbon Steel Shell, Epoxy Painted'), '*', 1.0, 1),
    ('OV', '-G', 3, _('Hot-Dip Galvanized Steel Shell'), '-1,-2.5,-5,-10,-15,-20,-30', 1.04, 2),
    ('OV', '-X', 3, _('Stainless Steel Shell (316)'), '-1,-2.5,-5,-10,-15', 1.0, 3);

INSERT INTO SeriesFixedCodes (SeriesCode, Code, CodeLocation, CodeType, Description) VALUES
    ('OV', '-1', 5, 'Design Code', _('Current Design')),
    ('OV', 'F', 6, 'Breather', _('Filtered Breather'));

-- The bladder compounds of the bladder accumulators serve the isolator's bladder (position 4).
INSERT INTO Seals (AccumulatorType, Code, CodeLocation, Description, TypicalFluids, Info, TempLowF, TempHighF,
                   IsDefault, SortOrder)
SELECT 'OV', Code, 4, Description, TypicalFluids, Info, TempLowF, TempHighF, IsDefault, SortOrder
FROM Seals WHERE AccumulatorType = 'Bladder';

-- Transfer barriers -------------------------------------------------------------------

INSERT INTO PressureClasses (SeriesCode, PressureCode, PressureLocation, PressureRating, PressUnits, RatingPsi)
SELECT 'TB', PressureCode, PressureLocation, PressureRating, PressUnits, RatingPsi
FROM PressureClasses WHERE SeriesCode = 'BA';

INSERT INTO TransferBarrierServices (SeriesCode, ServiceCode, ServiceLocation, Service, SortOrder) VALUES
    ('TB', '-O', 11, _('Oil to Oil (Separates Two Hydraulic Circuits)'), 1),
    ('TB', '-W', 11, _('Oil to Water or Water-Glycol'), 2),
    ('TB', '-G', 11, _('Nitrogen to Oil, Remote Gas Supply (Gas Bottles or Gas Line)'), 3),
    ('TB', '-S', 11, _('Oil to Sea Water, Nickel-Plated Shell'), 4);

-- The bladder accumulator shells, with a fluid port in place of the gas valve: a little longer
-- and heavier. Sea water service is offered on the 3000 psi shells up to 10 gallons.
INSERT INTO TransferBarriers (SeriesCode, PressureCode, CapCode, CapCodeLocation, Cap, CapUnits, ServiceCode,
                              OverallLength, OutsideDiameter, Weight)
SELECT 'TB', m.PressureCode, m.CapCode, m.CapLocation, m.Capacity, m.CapacityUnits, s.ServiceCode,
       m.OverallLength + 1.5, m.OutsideDiameter, m.Weight + 2.0
FROM Models m JOIN TransferBarrierServices s ON s.SeriesCode = 'TB'
WHERE m.SeriesCode = 'BA' AND m.CapCode <> '-1Q'
  AND (s.ServiceCode <> '-S' OR (m.PressureCode = '3' AND m.CapCode IN ('-1G', '-2.5G', '-5G', '-10G')));

-- Their own shell and top port replace the bladder series' defaults in the model number.
INSERT INTO DetailChoices
    (AccumulatorType, Kind, SeriesCode, Code, CodeLocation, Description, CapCodes, PressureCodes, UserFlow,
     PortSize, IsDefault, SortOrder) VALUES
    ('Bladder', 'Construction', 'TB', 'S', 7, _('Top Repairable, Carbon Steel Shell'), '*', '*', '*', '', 1, 1),
    ('Bladder', 'Gas Type', 'TB', 'P', 8, _('Top Fluid Port, SAE-24 (1-7/8-12 UN)'), '*', '*', '*',
     _('SAE-24 (1-7/8-12 UN)'), 1, 1);

-- Accessories -------------------------------------------------------------------------

-- Accumulator is the key the program asks by; Description is what the user reads.
INSERT INTO AccessoryAccumulators (Accumulator, Description, SortOrder) VALUES
    ('Piston', _('Piston'), 1), ('Bladder', _('Bladder'), 2),
    ('High-Pressure Bladder', _('High-Pressure Bladder'), 3), ('Diaphragm', _('Diaphragm'), 4),
    ('Gas Bottle', _('Gas Bottle'), 5);

-- The sizes of each type with the body diameter in inches, which decides clamps and brackets.
INSERT INTO AccessorySizes (Accumulator, CapCode, Cap, CapUnits, NomBore, BoreDisplay, BoreUnits, BodyOdIn, SortOrder)
SELECT 'Piston', m.CapCode, m.Capacity, m.CapacityUnits, m.BoreCode, m.BoreDisplay, m.BoreUnits,
       MAX(m.OutsideDiameter * CASE m.LengthUnits WHEN 'MM' THEN 1.0 / 25.4 ELSE 1.0 END),
       se.Metric * 1000.0 + m.BoreIn * 10.0 + m.CapM3
FROM ModelsBase m JOIN Series se ON se.SeriesCode = m.SeriesCode
WHERE m.SeriesCode IN ('PA', 'PM')
GROUP BY m.BoreCode, m.CapCode;

INSERT INTO AccessorySizes (Accumulator, CapCode, Cap, CapUnits, NomBore, BoreDisplay, BoreUnits, BodyOdIn, SortOrder)
SELECT CASE SeriesCode WHEN 'GB' THEN 'Gas Bottle' WHEN 'BH' THEN 'High-Pressure Bladder' ELSE AccumulatorType END,
       CapCode, Capacity, CapacityUnits, '', 0.0, 'IN',
       MAX(OutsideDiameter * CASE LengthUnits WHEN 'MM' THEN 1.0 / 25.4 ELSE 1.0 END), MIN(CapM3)
FROM ModelsBase
WHERE SeriesCode IN ('BA', 'BH', 'DA', 'GB')
GROUP BY SeriesCode, CapCode;

INSERT INTO Accessories (PartNumber, AccessoryText, Description, Image) VALUES
    ('CK-3000', _('Charging and Gauging Assembly, 0-3000 psi'),
     _('Connects a nitrogen bottle to the accumulator''s gas valve to charge, check or lower the precharge. Liquid-filled gauge 0-3000 psi / 0-210 bar, bleed valve, swivel valve chuck, 10 ft charging hose with CGA-580 nitrogen bottle connection and regulator adapter, in a carrying case.'),
     'AccChargingKit.jpg'),
    ('CK-6000', _('Charging and Gauging Assembly, 0-6000 psi'),
     _('As the 3000 psi assembly, with a 0-6000 psi / 0-420 bar gauge and a 6000 psi charging hose, for accumulators and gas bottles rated above 3000 psi.'),
     'AccChargingKit.jpg'),
    ('GG-3000', _('Gas Pressure Gauge with Valve Adapter, 0-3000 psi'),
     _('Stays mounted on the gas valve so the precharge can be read at any time without a charging assembly. Glycerine-filled 2-1/2 in gauge, 0-3000 psi / 0-210 bar, with a tee adapter that keeps the valve free for charging.'),
     'AccGasGauge.jpg'),
    ('GG-6000', _('Gas Pressure Gauge with Valve Adapter, 0-6000 psi'),
     _('As the 3000 psi gauge adapter, with a 0-6000 psi / 0-420 bar gauge.'),
     'AccGasGauge.jpg'),
    ('SB-10', _('Safety and Shut-Off Block, DN10 (3/8 in)'),
     _('Shut-off valve, pressure relief valve set to order and manual unloading valve in one block between the accumulator and the system, as pressure equipment rules ask for. Ports for a gauge and a pressure switch. For flows up to 40 l/min (10 gpm).'),
     'AccSafetyBlock.jpg'),
    ('SB-20', _('Safety and Shut-Off Block, DN20 (3/4 in)'),
     _('Shut-off valve, pressure relief valve set to order and manual unloading valve in one block between the accumulator and the system, as pressure equipment rules ask for. Ports for a gauge and a pressure switch. For flows up to 160 l/min (42 gpm).'),
     'AccSafetyBlock.jpg'),
    ('SB-32', _('Safety and Shut-Off Block, DN32 (1-1/4 in)'),
     _('Shut-off valve, pressure relief valve set to order and manual unloading valve in one block between the accumulator and the system, as pressure equipment rules ask for. Ports for a gauge and a pressure switch. For flows up to 450 l/min (120 gpm).'),
     'AccSafetyBlock.jpg'),
    ('BT-100', _('Bladder Installation Tool Set'),
     _('Pull rod with threaded adapters for every bladder valve stem, shell mouth protector and valve core tool, for changing the bladder of a top repairable bladder accumulator without damaging it.'),
     'AccBladderTool.jpg'),
    ('GR-2', _('Gas Bottle Rack for 2 Bottles with Gas Manifold'),
     _('Floor-standing steel rack with clamps for two gas bottles, a gas manifold with shut-off valves and a charging port, ready to pipe to a piston accumulator''s gas port.'),
     'AccGasRack.jpg'),
    ('GR-4', _('Gas Bottle Rack for 4 Bottles with Gas Manifold'),
     _('Floor-standing steel rack with clamps for four gas bottles, a gas manifold with shut-off valves and a charging port, ready to pipe to a piston accumulator''s gas port.'),
     'AccGasRack.jpg');

-- Clamps and base brackets by the clamp bore that takes the body: the smallest one that fits.
INSERT INTO Accessories (PartNumber, AccessoryText, Description, Image)
WITH clamps(Bore) AS (VALUES
    (2.0), (2.5), (3.0), (3.5), (4.0), (4.5), (5.0), (5.5), (6.0), (7.0), (8.0), (9.0), (10.0), (11.0), (12.0),
    (13.0), (14.0), (15.0), (16.0))
SELECT printf('MC-%04d', CAST(Bore * 100 AS INTEGER)), printf(_('Mounting Clamp, %s in Body Diameter'), _num(Bore)),
       printf(_('Two-piece steel clamp with a rubber liner for a body of up to %s in outside diameter; mounts the accumulator upright or level to a wall or frame. Zinc plated, with bolts and lock nuts.'), _num(Bore)),
       'AccMountingClamp.jpg'
FROM clamps
UNION ALL
SELECT printf('BB-%04d', CAST(Bore * 100 AS INTEGER)), printf(_('Base Bracket with Support Ring, %s in Shell'), _num(Bore)),
       printf(_('Floor or frame bracket with a rubber support ring that carries the weight of a shell of up to %s in outside diameter; used with a mounting clamp at the upper end.'), _num(Bore)),
       'AccBaseBracket.jpg'
FROM clamps WHERE Bore >= 6.0;

-- Charging assemblies and gauges fit every accumulator and bottle, whatever its size.
INSERT INTO AccessoryFits (PartNumber, Accumulator, CapCode, NomBore, "Order")
WITH universal(PartNumber, Ord) AS (VALUES ('CK-3000', 1), ('CK-6000', 2), ('GG-3000', 3), ('GG-6000', 4))
SELECT u.PartNumber, x.Accumulator, '*', '*', u.Ord FROM universal u CROSS JOIN AccessoryAccumulators x;

-- Clamps (every size) and base brackets (bladder shells from 2.5 gallons, gas bottles): the
-- smallest that takes the body. A piston's body follows its bore.
INSERT INTO AccessoryFits (PartNumber, Accumulator, CapCode, NomBore, "Order")
WITH wanted(Prefix, Accumulator, CapCode, NomBore, BodyOdIn, Ord) AS (
    SELECT 'MC-', Accumulator, CapCode, CASE Accumulator WHEN 'Piston' THEN NomBore ELSE '*' END, BodyOdIn, 10
    FROM AccessorySizes
    UNION ALL
    SELECT 'BB-', Accumulator, CapCode, '*', BodyOdIn, 11
    FROM AccessorySizes
    WHERE Accumulator = 'Gas Bottle' OR (Accumulator LIKE '%Bladder' AND CapCode NOT IN ('-1Q', '-1G')))
SELECT (SELECT a.PartNumber FROM Accessories a
        WHERE a.PartNumber LIKE w.Prefix || '%' AND CAST(substr(a.PartNumber, 4) AS INTEGER) >= w.BodyOdIn * 100.0
        ORDER BY a.PartNumber LIMIT 1),
       w.Accumulator, w.CapCode, w.NomBore, w.Ord
FROM wanted w;

-- Safety blocks by the flow the size can give: piston bores up to 2 in take DN10, up to 4 in
-- DN20, larger DN32; bladder shells likewise by capacity; every diaphragm size DN10.
INSERT INTO AccessoryFits (PartNumber, Accumulator, CapCode, NomBore, "Order")
SELECT CASE WHEN BoreIn <= 2.0 THEN 'SB-10' WHEN BoreIn <= 4.0 THEN 'SB-20' ELSE 'SB-32' END,
       'Piston', CapCode, NomBore, 20
FROM (SELECT CapCode, NomBore, BoreDisplay * CASE BoreUnits WHEN 'MM' THEN 1.0 / 25.4 ELSE 1.0 END AS BoreIn
      FROM AccessorySizes WHERE Accumulator = 'Piston')
UNION ALL
SELECT CASE CapCode WHEN '-1Q' THEN 'SB-10' WHEN '-1G' THEN 'SB-20' ELSE 'SB-32' END, Accumulator, CapCode, '*', 20
FROM AccessorySizes WHERE Accumulator LIKE '%Bladder'
UNION ALL
SELECT 'SB-10', 'Diaphragm', '*', '*', 20;

INSERT INTO AccessoryFits (PartNumber, Accumulator, CapCode, NomBore, "Order") VALUES
    ('BT-100', 'Bladder', '*', '*', 30),
    ('BT-100', 'High-Pressure Bladder', '*', '*', 30),
    ('GR-2', 'Gas Bottle', '*', '*', 40),
    ('GR-4', 'Gas Bottle', '*', '*', 41);

-- Clamp and bracket sizes that no body takes are not offered.
DELETE FROM Accessories WHERE PartNumber NOT IN (SELECT PartNumber FROM AccessoryFits);

-- Repair kits --------------------------------------------------------------------------

INSERT INTO RepairKitTypes (KitType, SortOrder) VALUES
    (_('Piston Seal Kits'), 1),
    (_('Bladder Accumulator Repair Kits'), 2),
    (_('Replacement Bladders'), 3),
    (_('Diaphragm Accumulator Repair Kits'), 4),
    (_('Gas Valve Kits'), 5),
    (_('Reservoir Isolator Bladders'), 6),
    (_('Transfer Barrier Repair Kits'), 7);

-- Piston seals, wear bands and port O-rings of one bore in one compound; the high-cycle kits
-- have PTFE-faced piston seals for fast, frequent strokes.
INSERT INTO RepairKits (PartNumber, KitType, RepairKit, Size, SizeOrder, Seal, Construction, Service, Port, SortOrder)
WITH services(Suffix, Service, Codes) AS (VALUES
    ('', _('Standard Service'), '-N,-L,-H,-E,-V'), ('-HC', _('High-Cycle Service (PTFE Piston Seals)'), '-N,-H,-V')),
kits AS (
    SELECT b.SeriesCode, b.BoreCode, b.BoreIn, s.Code, s.Description, v.Suffix, v.Service, s.SortOrder,
           printf(CASE b.BoreUnits WHEN 'MM' THEN _('%s mm Bore') ELSE _('%s in Bore') END, _num(b.BoreDisplay)) AS Size
    FROM Bores b
    JOIN Seals s ON s.AccumulatorType = 'Piston'
    JOIN services v ON instr(',' || v.Codes || ',', ',' || s.Code || ',') > 0
    WHERE b.SeriesCode IN ('PA', 'PM'))
SELECT 'RK-' || SeriesCode || substr(BoreCode, 2) || Code || Suffix, _('Piston Seal Kits'),
       printf(CASE Suffix WHEN '' THEN _('Piston Seal Kit, %s %s, %s') ELSE _('Piston Seal Kit, %s %s, %s, High-Cycle') END,
              SeriesCode, Size, Description),
       Size, BoreIn, Description,
       CASE SeriesCode WHEN 'PA' THEN _('Inch Series (PA)') ELSE _('Metric Series (PM)') END, Service,
       CASE SeriesCode WHEN 'PA' THEN _('SAE Straight Thread Ports') ELSE _('ISO 6149 Metric Ports') END,
       ROW_NUMBER() OVER (ORDER BY SeriesCode, BoreIn, SortOrder, Suffix)
FROM kits;

-- Bladder accumulators: the repair kit is the bladder with its valve stem, the gas valve core
-- and every O-ring and back-up ring of the shell; the replacement bladder comes alone.
INSERT INTO RepairKits (PartNumber, KitType, RepairKit, Size, SizeOrder, Seal, Construction, Service, Port, SortOrder)
WITH sizes AS (
    SELECT SeriesCode, CapCode, MIN(CapM3) AS CapM3,
           CASE CapCode WHEN '-1Q' THEN '1 qt' ELSE _num(Capacity) || ' gal' END AS Size
    FROM ModelsBase WHERE SeriesCode IN ('BA', 'BH') GROUP BY SeriesCode, CapCode),
constructions(SeriesCode, Suffix, Construction, MinM3) AS (VALUES
    ('BA', '-T', _('Top Repairable'), 0.0), ('BA', '-B', _('Bottom Repairable'), 0.009),
    ('BH', '-F', _('Forged Shell, Top Repairable'), 0.0)),
services(SeriesCode, Service, Codes) AS (VALUES
    ('BA', _('BA Series, up to 5000 psi'), '-N,-L,-H,-E,-B'), ('BH', _('BH Series, up to 6000 psi'), '-N,-H')),
kits AS (
    SELECT z.SeriesCode, z.CapCode, z.CapM3, z.Size, s.Code, s.Description, s.SortOrder, v.Service
    FROM sizes z
    JOIN services v ON v.SeriesCode = z.SeriesCode
    JOIN Seals s ON s.AccumulatorType = 'Bladder' AND instr(',' || v.Codes || ',', ',' || s.Code || ',') > 0)
SELECT 'RK-' || k.SeriesCode || substr(k.CapCode, 2) || k.Code || c.Suffix, _('Bladder Accumulator Repair Kits'),
       printf(_('Repair Kit, %s %s, %s Bladder, %s'), k.SeriesCode, k.Size, k.Description, c.Construction),
       k.Size, k.CapM3, k.Description, c.Construction, k.Service, '',
       ROW_NUMBER() OVER (ORDER BY k.SeriesCode, k.CapM3, k.SortOrder, c.Suffix)
FROM kits k JOIN constructions c ON c.SeriesCode = k.SeriesCode AND k.CapM3 >= c.MinM3
UNION ALL
SELECT 'BL-' || SeriesCode || substr(CapCode, 2) || Code, _('Replacement Bladders'),
       printf(_('Replacement Bladder, %s %s, %s'), SeriesCode, Size, Description),
       Size, CapM3, Description, '', Service, '',
       ROW_NUMBER() OVER (ORDER BY SeriesCode, CapM3, SortOrder)
FROM kits;

-- Diaphragms of the threaded (repairable) spheres, with the shell O-ring and the gas plug seal.
INSERT INTO RepairKits (PartNumber, KitType, RepairKit, Size, SizeOrder, Seal, Construction, Service, Port, SortOrder)
SELECT 'DK-DA' || substr(m.CapCode, 2) || s.Code, _('Diaphragm Accumulator Repair Kits'),
       printf(_('Diaphragm Kit, DA %s in%s, %s'), _num(m.Capacity), char(179), s.Description),
       printf('%s in%s', _num(m.Capacity), char(179)), m.Capacity, s.Description, _('Threaded Shell (Repairable)'),
       CASE WHEN m.Capacity <= 80.0 THEN _('Up to 5000 psi') ELSE _('Up to 3000 psi') END, '',
       ROW_NUMBER() OVER (ORDER BY m.Capacity, s.SortOrder)
FROM (SELECT DISTINCT CapCode, Capacity FROM Models WHERE SeriesCode = 'DA') m
JOIN Seals s ON s.AccumulatorType = 'Diaphragm';

INSERT INTO RepairKits (PartNumber, KitType, RepairKit, Size, SizeOrder, Seal, Construction, Service, Port, SortOrder) VALUES
    ('GV-78-N', _('Gas Valve Kits'), _('Gas Valve Core and Seal Kit, 7/8-14 UNF Valve, Nitrile (NBR)'), '', 0,
     _('Nitrile (NBR)'), _('Standard Gas Charging Valve'), _('Bladder Accumulators'), _('7/8-14 UNF'), 1),
    ('GV-78-L', _('Gas Valve Kits'), _('Gas Valve Core and Seal Kit, 7/8-14 UNF Valve, Low-Temperature Nitrile (NBR)'), '', 0,
     _('Low-Temperature Nitrile (NBR)'), _('Low-Temperature Gas Valve'), _('Bladder Accumulators'), _('7/8-14 UNF'), 2),
    ('GV-78-E', _('Gas Valve Kits'), _('Gas Valve Core and Seal Kit, 7/8-14 UNF Valve, Ethylene Propylene (EPDM)'), '', 0,
     _('Ethylene Propylene (EPDM)'), _('Standard Gas Charging Valve'), _('Bladder Accumulators'), _('7/8-14 UNF'), 3),
    ('GV-PA-N', _('Gas Valve Kits'), _('Gas Valve Assembly, Piston Accumulators, Nitrile (NBR)'), '', 0,
     _('Nitrile (NBR)'), _('Standard Gas Charging Valve'), _('Piston Accumulators'), _('7/8-14 UNF'), 4),
    ('GV-PA-V', _('Gas Valve Kits'), _('Gas Valve Assembly, Piston Accumulators, Fluorocarbon (FKM)'), '', 0,
     _('Fluorocarbon (FKM)'), _('Standard Gas Charging Valve'), _('Piston Accumulators'), _('7/8-14 UNF'), 5),
    ('GV-PM-N', _('Gas Valve Kits'), _('Gas Valve Assembly, Metric Piston Accumulators, Nitrile (NBR)'), '', 0,
     _('Nitrile (NBR)'), _('Standard Gas Charging Valve'), _('Piston Accumulators'), _('M28 x 1.5'), 6),
    ('GV-GB-N', _('Gas Valve Kits'), _('Gas Valve and Gauge Port Kit, Gas Bottles, Nitrile (NBR)'), '', 0,
     _('Nitrile (NBR)'), _('Gas Charging Valve with Gauge Port'), _('Gas Bottles'), _('7/8-14 UNF'), 7);

INSERT INTO RepairKits (PartNumber, KitType, RepairKit, Size, SizeOrder, Seal, Construction, Service, Port, SortOrder)
SELECT 'BL-OV' || substr(z.SizeCode, 2) || s.Code, _('Reservoir Isolator Bladders'),
       printf(_('Replacement Bladder, Ovrisol %s gal, %s'), _num(z.CapDisplay), s.Description),
       _num(z.CapDisplay) || ' gal', z.ActualCapacity, s.Description, '', _('Reservoir Isolation'), '',
       ROW_NUMBER() OVER (ORDER BY z.ActualCapacity, s.SortOrder)
FROM OvrisolSizes z JOIN Seals s ON s.AccumulatorType = z.SeriesCode;

-- Transfer barriers: the bladder in a compound that suits both media, with the seals of both ports.
INSERT INTO RepairKits (PartNumber, KitType, RepairKit, Size, SizeOrder, Seal, Construction, Service, Port, SortOrder)
WITH compounds(ServiceCode, Codes) AS (VALUES
    ('-O', '-N,-L,-H'), ('-W', '-N,-E'), ('-G', '-N,-H'), ('-S', '-N')),
kits AS (
    SELECT DISTINCT t.CapCode, t.Cap, t.Cap * u.Factor AS CapM3, v.ServiceCode, v.Service, v.SortOrder AS ServiceOrder,
           s.Code, s.Description, s.SortOrder
    FROM TransferBarriers t
    JOIN Units u ON u.Code = t.CapUnits
    JOIN TransferBarrierServices v ON v.SeriesCode = t.SeriesCode AND v.ServiceCode = t.ServiceCode
    JOIN compounds c ON c.ServiceCode = t.ServiceCode
    JOIN Seals s ON s.AccumulatorType = 'Bladder' AND instr(',' || c.Codes || ',', ',' || s.Code || ',') > 0)
SELECT 'RK-TB' || substr(CapCode, 2) || Code || ServiceCode, _('Transfer Barrier Repair Kits'),
       printf(_('Repair Kit, TB %s gal, %s Bladder'), _num(Cap), Description),
       _num(Cap) || ' gal', CapM3, Description, _('Top Repairable'), Service, _('SAE Straight Thread Ports'),
       ROW_NUMBER() OVER (ORDER BY CapM3, ServiceOrder, SortOrder)
FROM kits;

