-- The sizes of a reservoir isolator series, smallest first.
SELECT SizeCode, SizeLocation, CapDisplay, CapDisplayUnits, OverallLength, ShellDiameter, LengthUnits,
       MountingFlange, Breather, Weight, WeightUnits
FROM OvrisolSizes WHERE SeriesCode = :parSeries ORDER BY ActualCapacity
