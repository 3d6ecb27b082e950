-- One series for its data sheet.
SELECT SeriesCode, SeriesLocation, AccumulatorType, Description, Image, Metric FROM Series
WHERE SeriesCode = :parSeries
