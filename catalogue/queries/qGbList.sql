-- Gas bottles of one type ("*": every type) rated at the chosen pressure (Pa).
SELECT AccumulatorDesc AS Description, AccumulatorType, Capacity, CapacityUnits AS CapUnits,
       CapCode, CapLocation AS CapCodeLocation, SeriesCode, SeriesLocation AS SeriesLoc,
       BoreCode AS NomBoreCode, BoreLocation, DesignNumber AS DesignCode, DesignLocation AS DesignLoc,
       BoreDisplay, BoreUnits, PressureCode, PressureLocation
FROM ModelsBase
WHERE SeriesCode IN ('GB', 'PG', 'BG') AND (AccumulatorType = :parType OR :parType = '*')
  AND ABS(RatingPa - :parPressure) <= 1e-6 * :parPressure
ORDER BY AccumulatorType, CapM3
