-- The accessories for an accumulator type and size: its capacity code and, for pistons, its bore.
SELECT a.AccessoryText, f."Order", a.PartNumber, a.Description, a.Image
FROM AccessoryFits f JOIN Accessories a ON a.PartNumber = f.PartNumber
WHERE f.Accumulator = :parType AND f.CapCode IN ('*', :parSizeCode) AND f.NomBore IN ('*', :parBoreSize)
ORDER BY f."Order", a.PartNumber
