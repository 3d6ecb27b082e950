-- The pressure classes of a gas bottle size.
SELECT PressureCode, PressureLocation AS CodeLocation, PressureRating AS Pressure, PressUnits
FROM ModelsBase
WHERE SeriesCode = :parSeries AND CapCode = :parCapCode AND AccumulatorType = 'GB'
ORDER BY RatingPa
