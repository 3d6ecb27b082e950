-- Details of the model number: piston constructions, approvals and options, and
-- the detail choices of bladder, diaphragm and gas bottle models.

-- Construction and approval stamp give one code (position 11).
INSERT INTO PistonConstructions (Construction, Approval, Code, CodeLocation, MaxBoreIn, SortOrder) VALUES
    (_('Carbon Steel'), _('None'), 'S', 11, 12.0, 1),
    (_('Carbon Steel'), _('CE (PED 2014/68/EU)'), 'P', 11, 12.0, 2),
    (_('Carbon Steel'), _('ASME Section VIII, Div. 1'), 'A', 11, 12.0, 3),
    (_('Carbon Steel, Nickel Plated'), _('None'), 'K', 11, 9.0, 4),
    (_('Carbon Steel, Nickel Plated'), _('CE (PED 2014/68/EU)'), 'Q', 11, 9.0, 5),
    (_('Stainless Steel'), _('None'), 'X', 11, 6.3, 6),
    (_('Stainless Steel'), _('CE (PED 2014/68/EU)'), 'Y', 11, 6.3, 7);

-- Options; up to three of them form the option code at position 12.
INSERT INTO PistonOptions (PartNumberCode, Option, MinBoreIn, MaxPsi, SortOrder) VALUES
    ('G', _('Gas Valve Guard'), 1.0, 6000.0, 1),
    ('M', _('Magnetic Piston for External Position Sensing'), 1.9, 6000.0, 2),
    ('R', _('Position Indicator Rod'), 3.0, 5000.0, 3),
    ('F', _('Fluid-Side Bleed Port'), 1.9, 6000.0, 4),
    ('C', _('Cushioned Piston (End-of-Stroke Protection)'), 3.0, 6000.0, 5),
    ('T', _('Thermal Relief (Fusible) Plug'), 3.9, 3100.0, 6);

INSERT INTO DetailChoices
    (AccumulatorType, Kind, SeriesCode, Code, CodeLocation, Description, CapCodes, PressureCodes, UserFlow,
     PortSize, IsDefault, SortOrder) VALUES
    -- Bladder: design generation (position 3), fixed.
    ('Bladder', 'Design Code', '*', '1', 3, _('Current Design'), '*', '*', '*', '', 1, 1),
    -- Bladder: fluid port (position 6). Standard ports only when the flow allows them;
    -- the oversize ports whenever the user wants them.
    ('Bladder', 'Hydraulic Port', '*', 'S', 6, _('SAE Straight Thread Fluid Port'), '-1Q', '*', 'N',
     _('SAE-12 (1-1/16-12 UN)'), 1, 1),
    ('Bladder', 'Hydraulic Port', '*', 'S', 6, _('SAE Straight Thread Fluid Port'), '-1G', '*', 'N',
     _('SAE-16 (1-5/16-12 UN)'), 1, 1),
    ('Bladder', 'Hydraulic Port', '*', 'S', 6, _('SAE Straight Thread Fluid Port'), '-2.5G,-5G,-10G,-11G,-15G', '*', 'N',
     _('SAE-24 (1-7/8-12 UN)'), 1, 1),
    ('Bladder', 'Hydraulic Port', '*', 'F', 6, _('SAE 4-Bolt Flange Fluid Port'), '-2.5G,-5G,-10G,-11G,-15G', '3', 'N',
     _('1-1/2 in Flange, Code 61'), 0, 2),
    ('Bladder', 'Hydraulic Port', '*', 'F', 6, _('SAE 4-Bolt Flange Fluid Port'), '-2.5G,-5G,-10G,-11G,-15G', '4,5,6', 'N',
     _('1-1/2 in Flange, Code 62'), 0, 2),
    ('Bladder', 'Hydraulic Port', '*', 'O', 6, _('Oversize SAE Straight Thread Fluid Port'), '-1Q', '*', '*',
     _('SAE-16 (1-5/16-12 UN)'), 0, 3),
    ('Bladder', 'Hydraulic Port', '*', 'O', 6, _('Oversize SAE Straight Thread Fluid Port'), '-1G', '*', '*',
     _('SAE-24 (1-7/8-12 UN)'), 0, 3),
    ('Bladder', 'Hydraulic Port', '*', 'H', 6, _('High-Flow 4-Bolt Flange Fluid Port'), '-2.5G,-5G,-10G,-11G,-15G', '3', '*',
     _('2 in Flange, Code 61'), 0, 4),
    ('Bladder', 'Hydraulic Port', '*', 'H', 6, _('High-Flow 4-Bolt Flange Fluid Port'), '-2.5G,-5G,-10G,-11G,-15G', '4,5,6', '*',
     _('2 in Flange, Code 62'), 0, 4),
    -- Bladder: shell construction (position 7).
    ('Bladder', 'Construction', 'BA', 'S', 7, _('Top Repairable, Carbon Steel Shell'), '*', '*', '*', '', 1, 1),
    ('Bladder', 'Construction', 'BA', 'B', 7, _('Bottom Repairable, Carbon Steel Shell'), '-2.5G,-5G,-10G,-11G,-15G', '*', '*',
     '', 0, 2),
    ('Bladder', 'Construction', 'BA', 'X', 7, _('Top Repairable, Stainless Steel Shell'), '-1Q,-1G,-2.5G,-5G', '*', '*', '', 0, 3),
    ('Bladder', 'Construction', 'BH', 'F', 7, _('Forged Shell, Top Repairable'), '*', '*', '*', '', 1, 1),
    ('Bladder', 'Construction', 'BH', 'G', 7, _('Forged Shell, Bottom Repairable'), '-2.5G,-5G,-10G,-15G', '*', '*',
     '', 0, 2),
    ('Bladder', 'Construction', 'BG', 'S', 7, _('Carbon Steel Shell'), '*', '*', '*', '', 1, 1),
    ('Bladder', 'Construction', 'BG', 'X', 7, _('Stainless Steel Shell'), '-2.5G,-5G', '*', '*', '', 0, 2),
    -- Bladder: gas valve (position 8), fixed.
    ('Bladder', 'Gas Type', '*', 'V', 8, _('Standard Gas Charging Valve (7/8-14 UNF)'), '*', '*', '*', '', 1, 1),
    -- Bladder: certification (position 9); "_" leaves the position empty.
    ('Bladder', 'Certification', '*', '_', 9, _('None'), '*', '*', '*', '', 1, 1),
    ('Bladder', 'Certification', '*', '-CE', 9, _('CE (PED 2014/68/EU)'), '*', '*', '*', '', 0, 2),
    ('Bladder', 'Certification', '*', '-AS', 9, _('ASME Section VIII, Div. 1'), '-1G,-2.5G,-5G,-10G,-11G,-15G', '3,4', '*',
     '', 0, 3),
    ('Bladder', 'Certification', '*', '-DN', 9, _('DNV Type Approval (Marine and Offshore)'), '-1G,-2.5G,-5G,-10G,-11G,-15G',
     '*', '*', '', 0, 4),
    -- Bladder: modifications (position 10).
    ('Bladder', 'Modification', '*', '_', 10, _('None'), '*', '*', '*', '', 1, 1),
    ('Bladder', 'Modification', '*', '-T', 10, _('Low-Temperature Gas Valve (to -40 deg F)'), '*', '*', '*', '', 0, 2),
    ('Bladder', 'Modification', 'BA', '-F', 10, _('Flow-Through Fluid Port'), '-2.5G,-5G,-10G,-11G,-15G', '3', '*', '', 0, 3),
    ('Bladder', 'Modification', 'BA', '-P', 10, _('Permanently Charged (No Gas Valve)'), '-1Q,-1G', '*', '*', '', 0, 4),
    ('Bladder', 'Modification', '*', '-S', 10, _('Offshore Coating System (NORSOK M-501)'), '*', '*', '*', '', 0, 5),
    ('Bladder', 'Modification', 'BH', '-R', 10, _('Anti-Extrusion Ring at the Fluid Port (High Cycle Rate)'), '*', '*', '*',
     '', 0, 6),
    -- Diaphragm: fluid port (position 3), construction (6), certification (7).
    ('Diaphragm', 'Port', '*', 'S', 3, _('SAE Straight Thread Fluid Port'), '*', '*', '*', '', 1, 1),
    ('Diaphragm', 'Construction', 'DA', 'W', 6, _('Welded Shell (Non-Repairable)'), '*', '*', '*', '', 1, 1),
    ('Diaphragm', 'Construction', 'DA', 'T', 6, _('Threaded Shell (Repairable)'), '*', '*', '*', '', 0, 2),
    ('Diaphragm', 'Construction', 'DA', 'X', 6, _('Welded Stainless Steel Shell (Non-Repairable)'), '*', '*', '*', '', 0, 3),
    ('Diaphragm', 'Certification', 'DA', '_', 7, _('None'), '*', '*', '*', '', 1, 1),
    ('Diaphragm', 'Certification', 'DA', '-CE', 7, _('CE (PED 2014/68/EU)'), '*', '*', '*', '', 0, 2),
    ('Diaphragm', 'Certification', 'DA', '-DN', 7, _('DNV Type Approval (Marine and Offshore)'), '*', '*', '*', '', 0, 3),
    -- GB series gas bottles: gas port (position 4) and valve port (position 5).
    ('GB', 'Gas Port', 'GB', '-S', 4, _('SAE-16 Gas Port (1-5/16-12 UN)'), '*', '*', '*', '', 1, 1),
    ('GB', 'Gas Port', 'GB', '-F', 4, _('1-1/2 in SAE 4-Bolt Flange Gas Port'), '*', '*', '*', '', 0, 2),
    ('GB', 'Gas Port', 'GB', '-B', 4, _('G 1 BSPP Gas Port'), '*', '*', '*', '', 0, 3),
    ('GB', 'Gas Port', 'GB', '-M', 4, _('M33 x 2 Metric Gas Port (ISO 6149)'), '*', '*', '*', '', 0, 4),
    ('GB', 'Gas Valve Port', 'GB', '1', 5, _('Standard Gas Charging Valve (7/8-14 UNF)'), '*', '*', '*', '', 1, 1),
    ('GB', 'Gas Valve Port', 'GB', '2', 5, _('Gas Charging Valve with Gauge Port'), '*', '*', '*', '', 0, 2),
    ('GB', 'Gas Valve Port', 'GB', '0', 5, _('No Gas Valve (Port Plugged)'), '*', '*', '*', '', 0, 3),
    -- Piston-style bottles: the gas port to the accumulator's gas end (position 12) and the
    -- charging valve port (13), after the seal and construction codes of their piston body.
    ('GB', 'Gas Port', 'PG', '-S', 12, _('SAE-16 Gas Port (1-5/16-12 UN)'), '*', '*', '*', '', 1, 1),
    ('GB', 'Gas Port', 'PG', '-F', 12, _('1-1/2 in SAE 4-Bolt Flange Gas Port, Code 61'), '*', '*', '*', '', 0, 2),
    ('GB', 'Gas Port', 'PG', '-B', 12, _('G 1 BSPP Gas Port'), '*', '*', '*', '', 0, 3),
    ('GB', 'Gas Valve Port', 'PG', '1', 13, _('Standard Gas Charging Valve (7/8-14 UNF)'), '*', '*', '*', '', 1, 1),
    ('GB', 'Gas Valve Port', 'PG', '2', 13, _('Gas Charging Valve with Gauge Port'), '*', '*', '*', '', 0, 2),
    ('GB', 'Gas Valve Port', 'PG', '0', 13, _('No Gas Valve (Port Plugged)'), '*', '*', '*', '', 0, 3),
    -- Bladder-style bottles: the large bottom port that joins the accumulator's gas side (11)
    -- and the charging valve port (12), after the codes of their bladder shell.
    ('GB', 'Gas Port', 'BG', '-S', 11, _('SAE-24 Gas Port (1-7/8-12 UN)'), '*', '*', '*', '', 1, 1),
    ('GB', 'Gas Port', 'BG', '-F', 11, _('2 in SAE 4-Bolt Flange Gas Port, Code 61'), '*', '*', '*', '', 0, 2),
    ('GB', 'Gas Valve Port', 'BG', '1', 12, _('Standard Gas Charging Valve (7/8-14 UNF)'), '*', '*', '*', '', 1, 1),
    ('GB', 'Gas Valve Port', 'BG', '2', 12, _('Gas Charging Valve with Gauge Port'), '*', '*', '*', '', 0, 2);
