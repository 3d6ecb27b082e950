-- Seal, bladder and diaphragm compounds per accumulator type, and the fluids each
-- compound withstands. Temperatures are the compound's continuous range in deg F.

INSERT INTO Seals (AccumulatorType, Code, CodeLocation, Description, TypicalFluids, Info, TempLowF, TempHighF,
                   IsDefault, SortOrder)
WITH compounds(Code, Description, TypicalFluids, Info) AS (VALUES
    ('-N', 'Nitrile (NBR)',
     'Petroleum-based hydraulic oils, water-glycol (HFC), water-in-oil emulsions (HFB), water.',
     'The standard compound for mineral-oil systems. Not for phosphate esters, brake fluids or ketones.'),
    ('-L', 'Low-Temperature Nitrile (NBR)',
     'Petroleum-based hydraulic oils, water-glycol (HFC), arctic-grade hydraulic oils.',
     'For outdoor and cold-climate service. Slightly lower upper temperature than the standard nitrile.'),
    ('-H', 'Hydrogenated Nitrile (HNBR)',
     'Petroleum-based oils, synthetic esters (HEES), polyalphaolefins, water-glycol.',
     'Higher temperature limit and better wear and ozone resistance than nitrile; suited to biodegradable ester fluids.'),
    ('-E', 'Ethylene Propylene (EPDM)',
     'Phosphate esters (HFD-R), water, water-glycol, brake fluids (non-petroleum).',
     'Never use with petroleum oils or greases: EPDM swells and fails in mineral oil.'),
    ('-V', 'Fluorocarbon (FKM)',
     'Petroleum oils at high temperature, synthetic esters, polyol esters (HFD-U), some phosphate esters.',
     'For high fluid temperatures. Limited flexibility below 0 deg F; not for hot water or steam.'),
    ('-B', 'Butyl (IIR)',
     'Phosphate esters (HFD-R), aviation phosphate-ester fluids, water.',
     'Low gas permeability for long precharge life. Not for petroleum oils.')),
ranges(AccumulatorType, CodeLocation, Code, TempLowF, TempHighF, IsDefault, SortOrder) AS (VALUES
    ('Piston', 6, '-N', -20.0, 165.0, 1, 1), ('Piston', 6, '-L', -65.0, 150.0, 0, 2),
    ('Piston', 6, '-H', -25.0, 300.0, 0, 3), ('Piston', 6, '-E', -40.0, 250.0, 0, 4),
    ('Piston', 6, '-V', -5.0, 400.0, 0, 5),
    ('Bladder', 5, '-N', -20.0, 165.0, 1, 1), ('Bladder', 5, '-L', -50.0, 150.0, 0, 2),
    ('Bladder', 5, '-H', -25.0, 275.0, 0, 3), ('Bladder', 5, '-E', -40.0, 250.0, 0, 4),
    ('Bladder', 5, '-B', -40.0, 200.0, 0, 5),
    ('Diaphragm', 5, '-N', -20.0, 180.0, 1, 1), ('Diaphragm', 5, '-L', -50.0, 150.0, 0, 2),
    ('Diaphragm', 5, '-H', -25.0, 285.0, 0, 3), ('Diaphragm', 5, '-E', -40.0, 250.0, 0, 4))
SELECT r.AccumulatorType, r.Code, r.CodeLocation, c.Description, c.TypicalFluids, c.Info, r.TempLowF, r.TempHighF,
       r.IsDefault, r.SortOrder
FROM ranges r JOIN compounds c ON c.Code = r.Code;

INSERT INTO Fluids (FluidName, SortOrder)
WITH names(FluidName) AS (VALUES
    ('Acetone'), ('Air (Dry)'), ('Anti-Wear Hydraulic Oil (HLP)'), ('Automatic Transmission Fluid'),
    ('Aviation Phosphate-Ester Fluid'), ('Brake Fluid (DOT 3 / DOT 4)'), ('Crude Oil'), ('Diesel Fuel'),
    ('Ethanol'), ('Ethylene Glycol'), ('Fire-Resistant Polyol Ester (HFD-U)'), ('Gasoline'),
    ('Hydraulic Oil, Biodegradable Synthetic Ester (HEES)'), ('Hydraulic Oil, Vegetable (HETG)'),
    ('Kerosene / Jet Fuel'), ('Methanol'), ('MIL-PRF-5606 Hydraulic Fluid'), ('MIL-PRF-83282 Hydraulic Fluid'),
    ('MIL-PRF-87257 Hydraulic Fluid'), ('Mineral Oil (HM / HL)'), ('Nitrogen (Dry)'), ('Oil-in-Water Emulsion (HFA)'),
    ('Phosphate Ester (HFD-R)'), ('Polyalkylene Glycol (HEPG)'), ('Polyalphaolefin (PAO)'), ('Propylene Glycol'),
    ('Sea Water'), ('Silicone Oil'), ('Sour Crude (Hydrogen Sulfide Traces)'), ('Turbine Lubricating Oil'),
    ('Water'), ('Water-Glycol (HFC)'), ('Water-in-Oil Emulsion (HFB)'), ('Hydraulic Oil with Ester Additives'),
    ('Heat Transfer Oil'), ('Food-Grade White Oil'))
SELECT FluidName, ROW_NUMBER() OVER (ORDER BY FluidName) FROM names;

INSERT INTO FluidSeals (FluidName, SealCode)
WITH pairs(FluidName, Codes) AS (VALUES
    ('Acetone', '-E,-B'), ('Air (Dry)', '-N,-L,-H,-E,-V,-B'), ('Anti-Wear Hydraulic Oil (HLP)', '-N,-L,-H,-V'),
    ('Automatic Transmission Fluid', '-N,-L,-H,-V'), ('Aviation Phosphate-Ester Fluid', '-E,-B'),
    ('Brake Fluid (DOT 3 / DOT 4)', '-E'), ('Crude Oil', '-H,-V'), ('Diesel Fuel', '-N,-H,-V'),
    ('Ethanol', '-N,-E'), ('Ethylene Glycol', '-N,-H,-E,-V'), ('Fire-Resistant Polyol Ester (HFD-U)', '-H,-V'),
    ('Gasoline', '-V'), ('Hydraulic Oil, Biodegradable Synthetic Ester (HEES)', '-H,-V'),
    ('Hydraulic Oil, Vegetable (HETG)', '-N,-H,-V'), ('Kerosene / Jet Fuel', '-N,-H,-V'), ('Methanol', '-N,-E'),
    ('MIL-PRF-5606 Hydraulic Fluid', '-N,-L,-H,-V'), ('MIL-PRF-83282 Hydraulic Fluid', '-N,-L,-H,-V'),
    ('MIL-PRF-87257 Hydraulic Fluid', '-N,-L,-H'), ('Mineral Oil (HM / HL)', '-N,-L,-H,-V'),
    ('Nitrogen (Dry)', '-N,-L,-H,-E,-V,-B'), ('Oil-in-Water Emulsion (HFA)', '-N,-H,-E'),
    ('Phosphate Ester (HFD-R)', '-E,-B,-V'), ('Polyalkylene Glycol (HEPG)', '-N,-H,-E'),
    ('Polyalphaolefin (PAO)', '-N,-L,-H,-V'), ('Propylene Glycol', '-N,-E'), ('Sea Water', '-N,-H,-E'),
    ('Silicone Oil', '-N,-H,-E,-V'), ('Sour Crude (Hydrogen Sulfide Traces)', '-H,-V'),
    ('Turbine Lubricating Oil', '-N,-H,-V'), ('Water', '-N,-H,-E,-B'), ('Water-Glycol (HFC)', '-N,-L,-H,-E'),
    ('Water-in-Oil Emulsion (HFB)', '-N,-H'), ('Hydraulic Oil with Ester Additives', '-N,-H,-V'),
    ('Heat Transfer Oil', '-V'), ('Food-Grade White Oil', '-N,-H,-V')),
-- Split the comma lists into rows.
split(FluidName, Code, Rest) AS (
    SELECT FluidName, '', Codes || ',' FROM pairs
    UNION ALL
    SELECT FluidName, substr(Rest, 1, instr(Rest, ',') - 1), substr(Rest, instr(Rest, ',') + 1)
    FROM split WHERE Rest <> '')
SELECT FluidName, Code FROM split WHERE Code <> '';
