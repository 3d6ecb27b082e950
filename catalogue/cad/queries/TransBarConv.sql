-- The bladder mailbox row of a transfer barrier: the shell in the CAD data's words, its
-- standard bottom port, shell, bladder and design; the service stands as the modification.
-- No row when the CAD data has no such transfer barrier.
SELECT :parFileName AS FileName, :parCompany AS Company, :parModelNumber AS ModelNumber,
       m.Series, m.Size, t.Construction, m.Pressure, t.Port, t.Seal AS SealCmpnd,
       :parModification AS DesMod, t.DesignCode AS DesCode,
       :parAddInfo AS AddedNote1, :parAddInfo2 AS AddedNote2
FROM CadBladderModels m
JOIN CadTransferCodes t ON t.SeriesCode = m.SeriesCode
WHERE m.SeriesCode = :parSeries AND m.CapCode = :parCapacity AND m.PressureCode = :parPressure
  AND m.TopPortLabel IS NOT NULL
