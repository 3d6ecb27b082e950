-- Every body of a series with its codes, ratings, flows and outline; lowest rating, smallest bore
-- and capacity first.
SELECT SeriesCode, SeriesLocation, PressureCode, PressureLocation, PressureRating, PressUnits,
       BoreCode, BoreLocation, BoreDisplay, BoreUnits, CapCode, CapLocation, Capacity, CapacityUnits,
       DesignNumber, DesignLocation, StdFlow, MaxFlow, FlowUnits,
       OverallLength, OutsideDiameter, LengthUnits, Weight, WeightUnits
FROM ModelsBase WHERE SeriesCode = :parSeries
ORDER BY RatingPa, BoreIn, CapM3, DesignNumber
