-- The pressure classes of a piston size, without those an option in the option code is not rated for.
SELECT m.PressureCode, m.PressureLocation AS CodeLocation, m.PressureRating AS Pressure, m.PressUnits
FROM ModelsBase m
JOIN PressureClasses p ON p.SeriesCode = m.SeriesCode AND p.PressureCode = m.PressureCode
WHERE m.SeriesCode = :parSeries AND m.BoreCode = :parBoreSize AND m.CapCode = :parCapacity
  AND NOT EXISTS (SELECT 1 FROM PistonOptions o
                  WHERE instr(:parOptions, o.PartNumberCode) > 0 AND o.MaxPsi < p.RatingPsi)
ORDER BY m.RatingPa
