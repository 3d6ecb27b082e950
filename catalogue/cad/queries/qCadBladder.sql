-- What the CAD component draws for a bladder mailbox row: the shell, its port and valve (or a
-- transfer barrier's top port), the texts. A transfer barrier's row names its service as DesMod.
SELECT m.Description, m.CapacityText, m.LengthMm, m.DiameterMm, m.HeadMm, m.PortStemMm,
       m.ValveStemMm, m.ValveDiameterMm, m.Clamp1Mm, m.Clamp2Mm, m.ClampWidthMm,
       m.TopPortLabel, m.TopPortDiameterMm, _('Gas Charging Valve (7/8-14 UNF)') AS ValveLabel,
       p.Label AS PortLabel, p.DiameterMm AS PortDiameterMm, p.StemDiameterMm AS PortStemDiameterMm,
       COALESCE(c.Text, :parConstruction) AS ConstructionText,
       COALESCE(d.Text, CASE WHEN m.TopPortLabel IS NULL THEN '' ELSE :parModification END) AS ModificationText,
       COALESCE(s.Text, :parSeal) AS SealText
FROM CadBladderModels m
JOIN CadBladderPorts p ON p.Code = :parPort AND p.CapCode = m.CapCode AND p.PressureCode = m.PressureCode
LEFT JOIN CadBladderTexts c ON c.Kind = 'Construction' AND c.SeriesCode = m.SeriesCode AND c.Code = :parConstruction
LEFT JOIN CadBladderTexts d ON d.Kind = 'Modification' AND d.SeriesCode IN ('*', m.SeriesCode)
                               AND d.Code = :parModification AND d.Code <> '_'
LEFT JOIN CadSeals s ON s.AccumulatorType = 'Bladder' AND s.Code = :parSeal
WHERE m.Series = :parSeries AND m.Size = :parSize AND m.Pressure = :parPressure
