-- The pressure classes of a bladder or diaphragm size.
SELECT PressureCode, PressureLocation AS CodeLocation, PressureRating AS Pressure, PressUnits
FROM ModelsBase
WHERE SeriesCode = :parSeries AND CapCode = :parCapCode
ORDER BY RatingPa
