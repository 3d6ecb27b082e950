-- The bladder mailbox row of a selection: the model in the CAD data's words, the details as
-- their codes. No row when the CAD data has no such model or fluid port.
SELECT :parFileName AS FileName, :parCompany AS Company, :parModelNumber AS ModelNumber,
       m.Series, m.Size, :parConstruction AS Construction, m.Pressure, :parPort AS Port,
       :parSeal AS SealCmpnd, :parModification AS DesMod, :parDesNum AS DesCode,
       :parAddInfo AS AddedNote1, :parAddInfo2 AS AddedNote2
FROM CadBladderModels m
WHERE m.SeriesCode = :parSeries AND m.CapCode = :parCapacity AND m.PressureCode = :parPressure
  AND EXISTS (SELECT 1 FROM CadBladderPorts p
              WHERE p.Code = :parPort AND p.CapCode = m.CapCode AND p.PressureCode = m.PressureCode)
