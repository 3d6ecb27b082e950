-- Seal, bladder and diaphragm compounds per accumulator type, and the fluids each
-- compound withstands. Temperatures are the compound's continuous range in deg F.

INSERT INTO Seals (AccumulatorType, Code, CodeLocation, Description, TypicalFluids, Info, TempLowF, TempHighF,
                   IsDefault, SortOrder)
WITH compounds(Code, Description, TypicalFluids, Info) AS (VALUES
    ('-N', _('Nitrile (NBR)'),
     _('Petroleum-based hydraulic oils, water-glycol (HFC), water-in-oil emulsions (HFB), water.'),
     _('The standard compound for mineral-oil systems. Not for phosphate esters, brake fluids or ketones.')),
    ('-L', _('Low-Temperature Nitrile (NBR)'),
     _('Petroleum-based hydraulic oils, water-glycol (HFC), arctic-grade hydraulic oils.'),
     _('For outdoor and cold-climate service. Slightly lower upper temperature than the standard nitrile.')),
    ('-H', _('Hydrogenated Nitrile (HNBR)'),
     _('Petroleum-based oils, synthetic esters (HEES), polyalphaolefins, water-glycol.'),
     _('Higher temperature limit and better wear and ozone resistance than nitrile; suited to biodegradable ester fluids.')),
    ('-E', _('Ethylene Propylene (EPDM)'),
     _('Phosphate esters (HFD-R), water, water-glycol, brake fluids (non-petroleum).'),
     _('Never use with petroleum oils or greases: EPDM swells and fails in mineral oil.')),
    ('-V', _('Fluorocarbon (FKM)'),
     _('Petroleum oils at high temperature, synthetic esters, polyol esters (HFD-U), some phosphate esters.'),
     _('For high fluid temperatures. Limited flexibility below 0 deg F; not for hot water or steam.')),
    ('-B', _('Butyl (IIR)'),
     _('Phosphate esters (HFD-R), aviation phosphate-ester fluids, water.'),
     _('Low gas permeability for long precharge life. Not for petroleum oils.'))),
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
    (_('Acetone')), (_('Air (Dry)')), (_('Anti-Wear Hydraulic Oil (HLP)')), (_('Automatic Transmission Fluid')),
    (_('Aviation Phosphate-Ester Fluid')), (_('Brake Fluid (DOT 3 / DOT 4)')), (_('Crude Oil')), (_('Diesel Fuel')),
    (_('Ethanol')), (_('Ethylene Glycol')), (_('Fire-Resistant Polyol Ester (HFD-U)')), (_('Gasoline')),
    (_('Hydraulic Oil, Biodegradable Synthetic Ester (HEES)')), (_('Hydraulic Oil, Vegetable (HETG)')),
    (_('Kerosene / Jet Fuel')), (_('Methanol')), (_('MIL-PRF-5606 Hydraulic Fluid')), (_('MIL-PRF-83282 Hydraulic Fluid')),
    (_('MIL-PRF-87257 Hydraulic Fluid')), (_('Mineral Oil (HM / HL)')), (_('Nitrogen (Dry)')), (_('Oil-in-Water Emulsion (HFA)')),
    (_('Phosphate Ester (HFD-R)')), (_('Polyalkylene Glycol (HEPG)')), (_('Polyalphaolefin (PAO)')), (_('Propylene Glycol')),
    (_('Sea Water')), (_('Silicone Oil')), (_('Sour Crude (Hydrogen Sulfide Traces)')), (_('Turbine Lubricating Oil')),
    (_('Water')), (_('Water-Glycol (HFC)')), (_('Water-in-Oil Emulsion (HFB)')), (_('Hydraulic Oil with Ester Additives')),
    (_('Heat Transfer Oil')), (_('Food-Grade White Oil')))
SELECT FluidName, ROW_NUMBER() OVER (ORDER BY FluidName) FROM names;

INSERT INTO FluidSeals (FluidName, SealCode)
WITH pairs(FluidName, Codes) AS (VALUES
    (_('Acetone'), '-E,-B'), (_('Air (Dry)'), '-N,-L,-H,-E,-V,-B'), (_('Anti-Wear Hydraulic Oil (HLP)'), '-N,-L,-H,-V'),
    (_('Automatic Transmission Fluid'), '-N,-L,-H,-V'), (_('Aviation Phosphate-Ester Fluid'), '-E,-B'),
    (_('Brake Fluid (DOT 3 / DOT 4)'), '-E'), (_('Crude Oil'), '-H,-V'), (_('Diesel Fuel'), '-N,-H,-V'),
    (_('Ethanol'), '-N,-E'), (_('Ethylene Glycol'), '-N,-H,-E,-V'), (_('Fire-Resistant Polyol Ester (HFD-U)'), '-H,-V'),
    (_('Gasoline'), '-V'), (_('Hydraulic Oil, Biodegradable Synthetic Ester (HEES)'), '-H,-V'),
    (_('Hydraulic Oil, Vegetable (HETG)'), '-N,-H,-V'), (_('Kerosene / Jet Fuel'), '-N,-H,-V'), (_('Methanol'), '-N,-E'),
    (_('MIL-PRF-5606 Hydraulic Fluid'), '-N,-L,-H,-V'), (_('MIL-PRF-83282 Hydraulic Fluid'), '-N,-L,-H,-V'),
    (_('MIL-PRF-87257 Hydraulic Fluid'), '-N,-L,-H'), (_('Mineral Oil (HM / HL)'), '-N,-L,-H,-V'),
    (_('Nitrogen (Dry)'), '-N,-L,-H,-E,-V,-B'), (_('Oil-in-Water Emulsion (HFA)'), '-N,-H,-E'),
    (_('Phosphate Ester (HFD-R)'), '-E,-B,-V'), (_('Polyalkylene Glycol (HEPG)'), '-N,-H,-E'),
    (_('Polyalphaolefin (PAO)'), '-N,-L,-H,-V'), (_('Propylene Glycol'), '-N,-E'), (_('Sea Water'), '-N,-H,-E'),
    (_('Silicone Oil'), '-N,-H,-E,-V'), (_('Sour Crude (Hydrogen Sulfide Traces)'), '-H,-V'),
    (_('Turbine Lubricating Oil'), '-N,-H,-V'), (_('Water'), '-N,-H,-E,-B'), (_('Water-Glycol (HFC)'), '-N,-L,-H,-E'),
    (_('Water-in-Oil Emulsion (HFB)'), '-N,-H'), (_('Hydraulic Oil with Ester Additives'), '-N,-H,-V'),
    (_('Heat Transfer Oil'), '-V'), (_('Food-Grade White Oil'), '-N,-H,-V')),
-- Split the comma lists into rows.
split(FluidName, Code, Rest) AS (
    SELECT FluidName, '', Codes || ',' FROM pairs
    UNION ALL
    SELECT FluidName, substr(Rest, 1, instr(Rest, ',') - 1), substr(Rest, instr(Rest, ',') + 1)
    FROM split WHERE Rest <> '')
SELECT FluidName, Code FROM split WHERE Code <> '';
