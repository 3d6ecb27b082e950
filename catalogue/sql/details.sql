-- Details of the model number: piston constructions, approvals and options, and
-- the detail choices of bladder, diaphragm and gas bottle models.

-- Construction and approval stamp give one code (position 11).
INSERT INTO PistonConstructions (Construction, Approval, Code, CodeLocation, MaxBoreIn, SortOrder) VALUES
    ('Carbon Steel', 'None', 'S', 11, 12.0, 1),
    ('Carbon Steel', 'CE (PED 2014/68/EU)', 'P', 11, 12.0, 2),
    ('Carbon Steel', 'ASME Section VIII, Div. 1', 'A', 11, 12.0, 3),
    ('Carbon Steel, Nickel Plated', 'None', 'K', 11, 9.0, 4),
    ('Carbon Steel, Nickel Plated', 'CE (PED 2014/68/EU)', 'Q', 11, 9.0, 5),
    ('Stainless Steel', 'None', 'X', 11, 6.3, 6),
    ('Stainless Steel', 'CE (PED 2014/68/EU)', 'Y', 11, 6.3, 7);

-- Options; up to three of them form the option code at position 12.
INSERT INTO PistonOptions (PartNumberCode, Option, MinBoreIn, MaxPsi, SortOrder) VALUES
    ('G', 'Gas Valve Guard', 1.0, 6000.0, 1),
    ('M', 'Magnetic Piston for External Position Sensing', 1.9, 6000.0, 2),
    ('R', 'Position Indicator Rod', 3.0, 5000.0, 3),
    ('F', 'Fluid-Side Bleed Port', 1.9, 6000.0, 4),
    ('C', 'Cushioned Piston (End-of-Stroke Protection)', 3.0, 6000.0, 5),
    ('T', 'Thermal Relief (Fusible) Plug', 3.9, 3100.0, 6);

INSERT INTO DetailChoices
    (AccumulatorType, Kind, SeriesCode, Code, CodeLocation, Description, CapCodes, PressureCodes, UserFlow,
     PortSize, IsDefault, SortOrder) VALUES
    -- Bladder: design generation (position 3), fixed.
    ('Bladder', 'Design Code', '*', '1', 3, 'Current Design', '*', '*', '*', '', 1, 1),
    -- Bladder: fluid port (position 6). Standard ports only when the flow allows them;
    -- the oversize ports whenever the user wants them.
    ('Bladder', 'Hydraulic Port', '*', 'S', 6, 'SAE Straight Thread Fluid Port', '-1Q', '*', 'N',
     'SAE-12 (1-1/16-12 UN)', 1, 1),
    ('Bladder', 'Hydraulic Port', '*', 'S', 6, 'SAE Straight Thread Fluid Port', '-1G', '*', 'N',
     'SAE-16 (1-5/16-12 UN)', 1, 1),
    ('Bladder', 'Hydraulic Port', '*', 'S', 6, 'SAE Straight Thread Fluid Port', '-2.5G,-5G,-10G,-11G,-15G', '*', 'N',
     'SAE-24 (1-7/8-12 UN)', 1, 1),
    ('Bladder', 'Hydraulic Port', '*', 'F', 6, 'SAE 4-Bolt Flange Fluid Port', '-2.5G,-5G,-10G,-11G,-15G', '3', 'N',
     '1-1/2 in Flange, Code 61', 0, 2),
    ('Bladder', 'Hydraulic Port', '*', 'F', 6, 'SAE 4-Bolt Flange Fluid Port', '-2.5G,-5G,-10G,-11G,-15G', '4,5,6', 'N',
     '1-1/2 in Flange, Code 62', 0, 2),
    ('Bladder', 'Hydraulic Port', '*', 'O', 6, 'Oversize SAE Straight Thread Fluid Port', '-1Q', '*', '*',
     'SAE-16 (1-5/16-12 UN)', 0, 3),
    ('Bladder', 'Hydraulic Port', '*', 'O', 6, 'Oversize SAE Straight Thread Fluid Port', '-1G', '*', '*',
     'SAE-24 (1-7/8-12 UN)', 0, 3),
    ('Bladder', 'Hydraulic Port', '*', 'H', 6, 'High-Flow 4-Bolt Flange Fluid Port', '-2.5G,-5G,-10G,-11G,-15G', '3', '*',
     '2 in Flange, Code 61', 0, 4),
    ('Bladder', 'Hydraulic Port', '*', 'H', 6, 'High-Flow 4-Bolt Flange Fluid Port', '-2.5G,-5G,-10G,-11G,-15G', '4,5,6', '*',
     '2 in Flange, Code 62', 0, 4),
    -- Bladder: shell construction (position 7).
    ('Bladder', 'Construction', 'BA', 'S', 7, 'Top Repairable, Carbon Steel Shell', '*', '*', '*', '', 1, 1),
    ('Bladder', 'Construction', 'BA', 'B', 7, 'Bottom Repairable, Carbon Steel Shell', '-2.5G,-5G,-10G,-11G,-15G', '*', '*',
     '', 0, 2),
    ('Bladder', 'Construction', 'BA', 'X', 7, 'Top Repairable, Stainless Steel Shell', '-1Q,-1G,-2.5G,-5G', '*', '*', '', 0, 3),
    ('Bladder', 'Construction', 'BH', 'F', 7, 'Forged Shell, Top Repairable', '*', '*', '*', '', 1, 1),
    ('Bladder', 'Construction', 'BH', 'G', 7, 'Forged Shell, Bottom Repairable', '-2.5G,-5G,-10G,-15G', '*', '*',
     '', 0, 2),
    ('Bladder', 'Construction', 'BG', 'S', 7, 'Carbon Steel Shell', '*', '*', '*', '', 1, 1),
    ('Bladder', 'Construction', 'BG', 'X', 7, 'Stainless Steel Shell', '-2.5G,-5G', '*', '*', '', 0, 2),
    -- Bladder: gas valve (position 8), fixed.
    ('Bladder', 'Gas Type', '*', 'V', 8, 'Standard Gas Charging Valve (7/8-14 UNF)', '*', '*', '*', '', 1, 1),
    -- Bladder: certification (position 9); "_" leaves the position empty.
    ('Bladder', 'Certification', '*', '_', 9, 'None', '*', '*', '*', '', 1, 1),
    ('Bladder', 'Certification', '*', '-CE', 9, 'CE (PED 2014/68/EU)', '*', '*', '*', '', 0, 2),
    ('Bladder', 'Certification', '*', '-AS', 9, 'ASME Section VIII, Div. 1', '-1G,-2.5G,-5G,-10G,-11G,-15G', '3,4', '*',
     '', 0, 3),
    ('Bladder', 'Certification', '*', '-DN', 9, 'DNV Type Approval (Marine and Offshore)', '-1G,-2.5G,-5G,-10G,-11G,-15G',
     '*', '*', '', 0, 4),
    -- Bladder: modifications (position 10).
    ('Bladder', 'Modification', '*', '_', 10, 'None', '*', '*', '*', '', 1, 1),
    ('Bladder', 'Modification', '*', '-T', 10, 'Low-Temperature Gas Valve (to -40 deg F)', '*', '*', '*', '', 0, 2),
    ('Bladder', 'Modification', 'BA', '-F', 10, 'Flow-Through Fluid Port', '-2.5G,-5G,-10G,-11G,-15G', '3', '*', '', 0, 3),
    ('Bladder', 'Modification', 'BA', '-P', 10, 'Permanently Charged (No Gas Valve)', '-1Q,-1G', '*', '*', '', 0, 4),
    ('Bladder', 'Modification', '*', '-S', 10, 'Offshore Coating System (NORSOK M-501)', '*', '*', '*', '', 0, 5),
    ('Bladder', 'Modification', 'BH', '-R', 10, 'Anti-Extrusion Ring at the Fluid Port (High Cycle Rate)', '*', '*', '*',
     '', 0, 6),
    -- Diaphragm: fluid port (position 3), construction (6), certification (7).
    ('Diaphragm', 'Port', '*', 'S', 3, 'SAE Straight Thread Fluid Port', '*', '*', '*', '', 1, 1),
    ('Diaphragm', 'Construction', 'DA', 'W', 6, 'Welded Shell (Non-Repairable)', '*', '*', '*', '', 1, 1),
    ('Diaphragm', 'Construction', 'DA', 'T', 6, 'Threaded Shell (Repairable)', '*', '*', '*', '', 0, 2),
    ('Diaphragm', 'Construction', 'DA', 'X', 6, 'Welded Stainless Steel Shell (Non-Repairable)', '*', '*', '*', '', 0, 3),
    ('Diaphragm', 'Certification', 'DA', '_', 7, 'None', '*', '*', '*', '', 1, 1),
    ('Diaphragm', 'Certification', 'DA', '-CE', 7, 'CE (PED 2014/68/EU)', '*', '*', '*', '', 0, 2),
    ('Diaphragm', 'Certification', 'DA', '-DN', 7, 'DNV Type Approval (Marine and Offshore)', '*', '*', '*', '', 0, 3),
    -- GB series gas bottles: gas port (position 4) and valve port (position 5).
    ('GB', 'Gas Port', 'GB', '-S', 4, 'SAE-16 Gas Port (1-5/16-12 UN)', '*', '*', '*', '', 1, 1),
    ('GB', 'Gas Port', 'GB', '-F', 4, '1-1/2 in SAE 4-Bolt Flange Gas Port', '*', '*', '*', '', 0, 2),
    ('GB', 'Gas Port', 'GB', '-B', 4, 'G 1 BSPP Gas Port', '*', '*', '*', '', 0, 3),
    ('GB', 'Gas Port', 'GB', '-M', 4, 'M33 x 2 Metric Gas Port (ISO 6149)', '*', '*', '*', '', 0, 4),
    ('GB', 'Gas Valve Port', 'GB', '1', 5, 'Standard Gas Charging Valve (7/8-14 UNF)', '*', '*', '*', '', 1, 1),
    ('GB', 'Gas Valve Port', 'GB', '2', 5, 'Gas Charging Valve with Gauge Port', '*', '*', '*', '', 0, 2),
    ('GB', 'Gas Valve Port', 'GB', '0', 5, 'No Gas Valve (Port Plugged)', '*', '*', '*', '', 0, 3),
    -- Piston-style bottles: the gas port to the accumulator's gas end (position 12) and the
    -- charging valve port (13), after the seal and construction codes of their piston body.
    ('GB', 'Gas Port', 'PG', '-S', 12, 'SAE-16 Gas Port (1-5/16-12 UN)', '*', '*', '*', '', 1, 1),
    ('GB', 'Gas Port', 'PG', '-F', 12, '1-1/2 in SAE 4-Bolt Flange Gas Port, Code 61', '*', '*', '*', '', 0, 2),
    ('GB', 'Gas Port', 'PG', '-B', 12, 'G 1 BSPP Gas Port', '*', '*', '*', '', 0, 3),
    ('GB', 'Gas Valve Port', 'PG', '1', 13, 'Standard Gas Charging Valve (7/8-14 UNF)', '*', '*', '*', '', 1, 1),
    ('GB', 'Gas Valve Port', 'PG', '2', 13, 'Gas Charging Valve with Gauge Port', '*', '*', '*', '', 0, 2),
    ('GB', 'Gas Valve Port', 'PG', '0', 13, 'No Gas Valve (Port Plugged)', '*', '*', '*', '', 0, 3),
    -- Bladder-style bottles: the large bottom port that joins the accumulator's gas side (11)
    -- and the charging valve port (12), after the codes of their bladder shell.
    ('GB', 'Gas Port', 'BG', '-S', 11, 'SAE-24 Gas Port (1-7/8-12 UN)', '*', '*', '*', '', 1, 1),
    ('GB', 'Gas Port', 'BG', '-F', 11, '2 in SAE 4-Bolt Flange Gas Port, Code 61', '*', '*', '*', '', 0, 2),
    ('GB', 'Gas Valve Port', 'BG', '1', 12, 'Standard Gas Charging Valve (7/8-14 UNF)', '*', '*', '*', '', 1, 1),
    ('GB', 'Gas Valve Port', 'BG', '2', 12, 'Gas Charging Valve with Gauge Port', '*', '*', '*', '', 0, 2);
