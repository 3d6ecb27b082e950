-- The piston mailbox row of a selection: the model in the CAD data's words, the details as
-- their codes, the standard ports where the ports are not modified. No row when the CAD
-- data has no such model or port.
WITH m AS (
    SELECT m.*,
           CASE WHEN :parHydPortTypeSize = '' THEN s.HydPort ELSE :parHydPortTypeSize END AS HydPort,
           CASE WHEN :parGasPortTypeSize = '' THEN s.GasPort ELSE :parGasPortTypeSize END AS GasPort
    FROM CadPistonModels m JOIN CadPistonStdPorts s ON s.BoreCode = m.BoreCode
    WHERE m.SeriesCode = :parSeries AND m.BoreCode = :parBoreSize AND m.CapCode = :parCapacity
      AND m.PressureCode = :parPressure)
SELECT :parFileName AS FileName, :parCompany AS Company, :parModelNumber AS ModelNumber,
       m.Series, m.Bore_Size, :parConstruction AS Construction, :parOptions AS Options, m.Capacity,
       m.DesignPressure, :parDesNum AS DesignNumber, :parSeal AS SealCompound,
       m.HydPort AS HydPortMod, m.GasPort AS GasPortMod,
       :parAddInfo AS AddnlMountInfo, :parAddInfo2 AS AddnlMountInfo2
FROM m
WHERE EXISTS (SELECT 1 FROM CadPistonPorts p WHERE p.Side = 'Hyd' AND p.Code = m.HydPort)
  AND EXISTS (SELECT 1 FROM CadPistonPorts p WHERE p.Side = 'Gas' AND p.Code = m.GasPort)
