-- The model a rapid selection's series, pressure class, capacity and bore (empty but for
-- pistons) name, with what the model step writes into a selection.
SELECT SeriesCode, SeriesLocation, CapCode, CapLocation, PressureCode, PressureLocation, PressureRating,
       PressUnits, BoreCode, BoreLocation, DesignNumber, DesignLocation, AccumulatorDesc, AccumulatorType,
       Capacity, CapacityUnits, BoreDisplay, BoreUnits
FROM Models
WHERE SeriesCode = :parSeries AND PressureCode = :parPressure AND CapCode = :parCapacity AND BoreCode = :parBore
