-- What the CAD component draws for a piston mailbox row: the body, its ports and the texts.
SELECT m.Description, m.CapacityText, m.LengthMm, m.DiameterMm, m.BoreMm, m.CapMm,
       m.Clamp1Mm, m.Clamp2Mm, m.ClampWidthMm,
       h.Label AS HydLabel, h.DiameterMm AS HydDiameterMm, h.DepthMm AS HydDepthMm,
       g.Code AS GasCode, g.Label AS GasLabel, g.DiameterMm AS GasDiameterMm, g.DepthMm AS GasDepthMm,
       COALESCE(c.Text, :parConstruction) AS ConstructionText,
       (SELECT group_concat(Text, ', ') FROM (SELECT Text FROM CadPistonOptions
                                              WHERE instr(:parOptions, Code) > 0 ORDER BY SortOrder)) AS OptionsText,
       instr(:parOptions, 'G') > 0 AS ValveGuard,
       COALESCE(s.Text, :parSeal) AS SealText
FROM CadPistonModels m
JOIN CadPistonPorts h ON h.Side = 'Hyd' AND h.Code = :parHydPort
JOIN CadPistonPorts g ON g.Side = 'Gas' AND g.Code = :parGasPort
LEFT JOIN CadPistonConstructions c ON c.Code = :parConstruction
LEFT JOIN CadSeals s ON s.AccumulatorType = 'Piston' AND s.Code = :parSeal
WHERE m.Series = :parSeries AND m.Bore_Size = :parBoreSize AND m.Capacity = :parCapacity
  AND m.DesignPressure = :parDesignPressure
