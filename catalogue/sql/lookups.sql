-- Lookups of the sizing dialogs: valve sizes for the leakage estimate, fluid
-- densities, pipe and tube inside diameters, relief valves and pump response times.

INSERT INTO ValveSizes (Value, ActSize, SortOrder) VALUES
    (_('3/8 in (D03 / NG6)'), 0.375, 1), (_('3/4 in (D05 / NG10)'), 0.75, 2), (_('1-1/4 in (D08 / NG25)'), 1.25, 3);

-- Densities in lb/in3, the unit of the shock suppression formula.
INSERT INTO FluidDensities (FluidName, FluidDensity, SortOrder) VALUES
    (_('Mineral Oil (ISO VG 32-68)'), 0.0314, 1),
    (_('Anti-Wear Hydraulic Oil (HLP)'), 0.0316, 2),
    (_('Automatic Transmission Fluid'), 0.0311, 3),
    (_('Water-Glycol (HFC)'), 0.0383, 4),
    (_('Water-in-Oil Emulsion (HFB)'), 0.0336, 5),
    (_('Oil-in-Water Emulsion (HFA 95/5)'), 0.0360, 6),
    (_('Water'), 0.0361, 7),
    (_('Sea Water'), 0.0371, 8),
    (_('Phosphate Ester (HFD-R)'), 0.0415, 9),
    (_('Polyol Ester (HFD-U)'), 0.0332, 10),
    (_('Synthetic Ester (HEES)'), 0.0332, 11),
    (_('Vegetable Oil (HETG)'), 0.0332, 12),
    (_('Polyalphaolefin (PAO)'), 0.0303, 13),
    (_('MIL-PRF-5606'), 0.0307, 14),
    (_('MIL-PRF-83282'), 0.0305, 15),
    (_('Diesel Fuel'), 0.0303, 16),
    (_('Ethylene Glycol'), 0.0403, 17);

-- Steel pipe to ASME B36.10: outside diameters and inside diameters per schedule, in inches.
INSERT INTO PipeSizes (NominalSize, OutsideDiameter, SortOrder) VALUES
    ('1/4', 0.540, 1), ('3/8', 0.675, 2), ('1/2', 0.840, 3), ('3/4', 1.050, 4), ('1', 1.315, 5),
    ('1 1/4', 1.660, 6), ('1 1/2', 1.900, 7), ('2', 2.375, 8), ('2 1/2', 2.875, 9), ('3', 3.500, 10),
    ('4', 4.500, 11), ('5', 5.563, 12), ('6', 6.625, 13);

INSERT INTO PipeSchedules (NominalSize, ScheduleNumber, ID, SortOrder) VALUES
    ('1/4', '40', 0.364, 1), ('1/4', '80', 0.302, 2),
    ('3/8', '40', 0.493, 1), ('3/8', '80', 0.423, 2),
    ('1/2', '40', 0.622, 1), ('1/2', '80', 0.546, 2), ('1/2', '160', 0.464, 3), ('1/2', 'XXS', 0.252, 4),
    ('3/4', '40', 0.824, 1), ('3/4', '80', 0.742, 2), ('3/4', '160', 0.612, 3), ('3/4', 'XXS', 0.434, 4),
    ('1', '40', 1.049, 1), ('1', '80', 0.957, 2), ('1', '160', 0.815, 3), ('1', 'XXS', 0.599, 4),
    ('1 1/4', '40', 1.380, 1), ('1 1/4', '80', 1.278, 2), ('1 1/4', '160', 1.160, 3), ('1 1/4', 'XXS', 0.896, 4),
    ('1 1/2', '40', 1.610, 1), ('1 1/2', '80', 1.500, 2), ('1 1/2', '160', 1.338, 3), ('1 1/2', 'XXS', 1.100, 4),
    ('2', '40', 2.067, 1), ('2', '80', 1.939, 2), ('2', '160', 1.687, 3), ('2', 'XXS', 1.503, 4),
    ('2 1/2', '40', 2.469, 1), ('2 1/2', '80', 2.323, 2), ('2 1/2', '160', 2.125, 3), ('2 1/2', 'XXS', 1.771, 4),
    ('3', '40', 3.068, 1), ('3', '80', 2.900, 2), ('3', '160', 2.624, 3), ('3', 'XXS', 2.300, 4),
    ('4', '40', 4.026, 1), ('4', '80', 3.826, 2), ('4', '120', 3.624, 3), ('4', '160', 3.438, 4), ('4', 'XXS', 3.152, 5),
    ('5', '40', 5.047, 1), ('5', '80', 4.813, 2), ('5', '120', 4.563, 3), ('5', '160', 4.313, 4), ('5', 'XXS', 4.063, 5),
    ('6', '40', 6.065, 1), ('6', '80', 5.761, 2), ('6', '120', 5.501, 3), ('6', '160', 5.187, 4), ('6', 'XXS', 4.897, 5);

-- Hydraulic tube, outside diameter x wall, with the inside diameter in inches.
INSERT INTO TubeSizes (NominalSize, ID, SortOrder) VALUES
    (_('1/4 x 0.035 in'), 0.180, 1), (_('3/8 x 0.049 in'), 0.277, 2), (_('1/2 x 0.065 in'), 0.370, 3),
    (_('5/8 x 0.083 in'), 0.459, 4), (_('3/4 x 0.095 in'), 0.560, 5), (_('1 x 0.120 in'), 0.760, 6),
    (_('1 1/4 x 0.156 in'), 0.938, 7), (_('1 1/2 x 0.188 in'), 1.124, 8), (_('2 x 0.220 in'), 1.560, 9),
    (_('10 x 1.5 mm'), 7.0 / 25.4, 10), (_('12 x 2 mm'), 8.0 / 25.4, 11), (_('16 x 2 mm'), 12.0 / 25.4, 12),
    (_('20 x 2.5 mm'), 15.0 / 25.4, 13), (_('25 x 3 mm'), 19.0 / 25.4, 14), (_('30 x 4 mm'), 22.0 / 25.4, 15),
    (_('38 x 5 mm'), 28.0 / 25.4, 16);

-- Relief valves by the largest flow they pass, with a typical opening time in seconds.
INSERT INTO ReliefValves (ReliefValveSizeText, MaxFlowGpm, ReliefValveResponseTime) VALUES
    (_('Direct-Acting, 3/8 in (to 10 gpm)'), 10.0, 0.010),
    (_('Direct-Acting, 1/2 in (to 20 gpm)'), 20.0, 0.015),
    (_('Pilot-Operated, 3/4 in (to 60 gpm)'), 60.0, 0.040),
    (_('Pilot-Operated, 1 in (to 100 gpm)'), 100.0, 0.060),
    (_('Pilot-Operated, 1 1/4 in (to 150 gpm)'), 150.0, 0.080),
    (_('Pilot-Operated, 1 1/2 in (to 250 gpm)'), 250.0, 0.100),
    (_('Pilot-Operated, 2 in (to 400 gpm)'), 400.0, 0.120);

-- Typical compensator response of variable volume pumps, by pump flow (gpm); the
-- first row whose flow is not below the pump's applies.
INSERT INTO VariablePumpResponse (MaxFlowGpm, ResponseTime) VALUES
    (10.0, 0.030), (25.0, 0.045), (50.0, 0.060), (100.0, 0.080), (200.0, 0.110), (400.0, 0.150), (1.0e9, 0.200);

-- Pictures of the selection report, by series and the chosen gas port, construction
-- and high-flow result ('*' matches any); the highest priority that matches wins.
INSERT INTO ReportPictures (SeriesCode, GasPortType, Construction, UserFlow, Image, Priority) VALUES
    ('PA', '*', '*', '*', 'DimPiston.jpg', 1), ('PA', 'S', '*', '*', 'DimPistonGasPort.jpg', 2),
    ('PA', 'B', '*', '*', 'DimPistonGasPort.jpg', 2), ('PA', 'M', '*', '*', 'DimPistonGasPort.jpg', 2),
    ('PM', '*', '*', '*', 'DimPiston.jpg', 1), ('PM', 'S', '*', '*', 'DimPistonGasPort.jpg', 2),
    ('PM', 'B', '*', '*', 'DimPistonGasPort.jpg', 2), ('PM', 'M', '*', '*', 'DimPistonGasPort.jpg', 2),
    -- Gas bottles of a piston or bladder body: two gas ends, no fluid port.
    ('PG', '*', '*', '*', 'DimPistonGasBottle.jpg', 1),
    ('BA', '*', '*', '*', 'DimBladder.jpg', 1), ('BA', '*', '*', 'Y', 'DimBladderHighFlow.jpg', 2),
    ('BH', '*', '*', '*', 'DimBladder.jpg', 1), ('BH', '*', '*', 'Y', 'DimBladderHighFlow.jpg', 2),
    ('BG', '*', '*', '*', 'DimGasBottle.jpg', 1),
    ('DA', '*', '*', '*', 'DimDiaphragm.jpg', 1),
    ('GB', '*', '*', '*', 'DimGasBottle.jpg', 1),
    ('OV', '*', '*', '*', 'DimOvrisol.jpg', 1),
    ('TB', '*', '*', '*', 'DimTransferBarrier.jpg', 1);
