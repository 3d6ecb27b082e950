-- The description of a series, for the report's codes that the model lists give without one.
SELECT Description FROM Series WHERE SeriesCode = :parSeries
