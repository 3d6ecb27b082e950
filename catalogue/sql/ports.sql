-- Ports of piston accumulators: thread and flange types, sizes by bore, and the
-- standard ports of each bore. Fluid-side codes sit at position 7 (type) and 8
-- (size), gas-side codes at 9 and 10.

INSERT INTO PistonPortTypes (Side, TypeCode, Type, Location, MaxPsi, SortOrder) VALUES
    ('Hyd', '-S', _('SAE Straight Thread (O-Ring Boss)'), 7, 6000.0, 1),
    ('Hyd', '-F', _('SAE 4-Bolt Flange, Code 61'), 7, 3100.0, 2),
    ('Hyd', '-G', _('SAE 4-Bolt Flange, Code 62'), 7, 6000.0, 3),
    ('Hyd', '-B', _('BSPP (ISO 1179)'), 7, 5800.0, 4),
    ('Hyd', '-M', _('Metric ISO 6149'), 7, 5800.0, 5),
    ('Hyd', '-N', _('NPTF Dryseal Pipe Thread'), 7, 3100.0, 6),
    ('Gas', 'V', _('Gas Charging Valve (7/8-14 UNF)'), 9, 6000.0, 1),
    ('Gas', 'S', _('SAE Straight Thread Gas Port'), 9, 6000.0, 2),
    ('Gas', 'B', _('BSPP Gas Port (ISO 1179)'), 9, 5800.0, 3),
    ('Gas', 'M', _('Metric ISO 6149 Gas Port'), 9, 5800.0, 4);

-- A size fits the end caps of the bores from MinBoreIn to MaxBoreIn.
INSERT INTO PistonPortSizes (Side, TypeCode, SizeCode, Size, Location, MinBoreIn, MaxBoreIn) VALUES
    ('Hyd', '-S', '04', _('SAE-4 (7/16-20 UNF)'), 8, 1.0, 2.0),
    ('Hyd', '-S', '06', _('SAE-6 (9/16-18 UNF)'), 8, 1.0, 3.0),
    ('Hyd', '-S', '08', _('SAE-8 (3/4-16 UNF)'), 8, 1.9, 4.0),
    ('Hyd', '-S', '12', _('SAE-12 (1-1/16-12 UN)'), 8, 2.0, 6.3),
    ('Hyd', '-S', '16', _('SAE-16 (1-5/16-12 UN)'), 8, 3.0, 9.0),
    ('Hyd', '-S', '20', _('SAE-20 (1-5/8-12 UN)'), 8, 3.9, 12.0),
    ('Hyd', '-S', '24', _('SAE-24 (1-7/8-12 UN)'), 8, 6.0, 12.0),
    ('Hyd', '-S', '32', _('SAE-32 (2-1/2-12 UN)'), 8, 7.0, 12.0),
    ('Hyd', '-F', '12', _('3/4 in Flange'), 8, 3.0, 6.3),
    ('Hyd', '-F', '16', _('1 in Flange'), 8, 3.9, 9.0),
    ('Hyd', '-F', '20', _('1-1/4 in Flange'), 8, 6.0, 12.0),
    ('Hyd', '-F', '24', _('1-1/2 in Flange'), 8, 7.0, 12.0),
    ('Hyd', '-F', '32', _('2 in Flange'), 8, 9.0, 12.0),
    ('Hyd', '-G', '12', _('3/4 in Flange'), 8, 3.0, 6.3),
    ('Hyd', '-G', '16', _('1 in Flange'), 8, 3.9, 9.0),
    ('Hyd', '-G', '20', _('1-1/4 in Flange'), 8, 6.0, 12.0),
    ('Hyd', '-G', '24', _('1-1/2 in Flange'), 8, 7.0, 12.0),
    ('Hyd', '-G', '32', _('2 in Flange'), 8, 9.0, 12.0),
    ('Hyd', '-B', '08', _('G 1/2'), 8, 1.9, 4.0),
    ('Hyd', '-B', '12', _('G 3/4'), 8, 2.0, 6.3),
    ('Hyd', '-B', '16', _('G 1'), 8, 3.0, 9.0),
    ('Hyd', '-B', '20', _('G 1-1/4'), 8, 3.9, 12.0),
    ('Hyd', '-B', '24', _('G 1-1/2'), 8, 6.0, 12.0),
    ('Hyd', '-M', '22', _('M22 x 1.5'), 8, 1.9, 4.0),
    ('Hyd', '-M', '27', _('M27 x 2'), 8, 2.0, 6.3),
    ('Hyd', '-M', '33', _('M33 x 2'), 8, 3.0, 9.0),
    ('Hyd', '-M', '42', _('M42 x 2'), 8, 3.9, 12.0),
    ('Hyd', '-M', '48', _('M48 x 2'), 8, 6.0, 12.0),
    ('Hyd', '-N', '08', _('1/2 NPTF'), 8, 2.0, 4.0),
    ('Hyd', '-N', '12', _('3/4 NPTF'), 8, 2.0, 6.3),
    ('Hyd', '-N', '16', _('1 NPTF'), 8, 3.0, 9.0),
    ('Hyd', '-N', '20', _('1-1/4 NPTF'), 8, 3.9, 12.0),
    ('Gas', 'V', '04', _('7/8-14 UNF Valve'), 10, 1.0, 12.0),
    ('Gas', 'S', '04', _('SAE-4 (7/16-20 UNF)'), 10, 1.0, 4.0),
    ('Gas', 'S', '06', _('SAE-6 (9/16-18 UNF)'), 10, 1.0, 6.3),
    ('Gas', 'S', '08', _('SAE-8 (3/4-16 UNF)'), 10, 2.0, 12.0),
    ('Gas', 'S', '12', _('SAE-12 (1-1/16-12 UN)'), 10, 3.0, 12.0),
    ('Gas', 'S', '16', _('SAE-16 (1-5/16-12 UN)'), 10, 3.9, 12.0),
    ('Gas', 'B', '04', _('G 1/4'), 10, 1.9, 6.3),
    ('Gas', 'B', '08', _('G 1/2'), 10, 1.9, 12.0),
    ('Gas', 'B', '16', _('G 1'), 10, 3.9, 12.0),
    ('Gas', 'M', '14', _('M14 x 1.5'), 10, 1.9, 6.3),
    ('Gas', 'M', '22', _('M22 x 1.5'), 10, 1.9, 12.0),
    ('Gas', 'M', '33', _('M33 x 2'), 10, 3.9, 12.0);

-- Port styles (the design number). Style 1 keeps the standard ports; style 2
-- offers other threads, shown in the model number only where they differ from
-- the standard; style 3 always carries its port codes.
INSERT INTO PistonPortDesigns (Code, CodeLocation, Metric, Description, HydTypes, GasTypes) VALUES
    ('1', 3, 0, _('Standard Ports (SAE Straight Thread)'), '-S', 'V'),
    ('2', 3, 0, _('Alternate Threaded Ports'), '-S,-B,-M,-N', 'V,S,B,M'),
    ('3', 3, 0, _('Special Ports (Flanged or Custom Arrangement)'), '-S,-F,-G,-B,-M,-N', 'V,S,B,M'),
    ('1', 3, 1, _('Standard Ports (BSPP)'), '-B', 'V'),
    ('2', 3, 1, _('Alternate Threaded Ports'), '-B,-M,-S', 'V,S,B,M'),
    ('3', 3, 1, _('Special Ports (Flanged or Custom Arrangement)'), '-B,-M,-S,-F,-G', 'V,S,B,M');

-- Standard ports of each bore, the same for every style; with gas bottles the gas
-- valve gives way to a gas port sized for the bottle connection.
INSERT INTO PistonStdPorts (BoreCode, DesignNumber, HydType, HydSize, GasType, GasSize, GBGasType, GBGasSize)
WITH std(BoreCode, HydType, HydSize, GBGasType, GBGasSize) AS (VALUES
    ('-1', '-S', '04', 'S', '04'), ('-2', '-S', '08', 'S', '06'), ('-3', '-S', '12', 'S', '08'),
    ('-4', '-S', '16', 'S', '12'), ('-6', '-S', '20', 'S', '16'), ('-7', '-S', '24', 'S', '16'),
    ('-9', '-S', '32', 'S', '16'), ('-12', '-F', '32', 'S', '16'),
    ('-50', '-B', '08', 'B', '04'), ('-80', '-B', '12', 'B', '08'), ('-100', '-B', '16', 'B', '08'),
    ('-125', '-B', '20', 'B', '16'), ('-160', '-B', '24', 'B', '16'), ('-200', '-B', '24', 'B', '16')),
styles(DesignNumber) AS (VALUES ('1'), ('2'), ('3'))
SELECT std.BoreCode, styles.DesignNumber, std.HydType, std.HydSize, 'V', '04', std.GBGasType, std.GBGasSize
FROM std, styles;
