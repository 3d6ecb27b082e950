-- The codes every model of a reservoir isolator series carries.
SELECT Code, CodeLocation, CodeType, Description FROM SeriesFixedCodes WHERE SeriesCode = :parSeries
ORDER BY CodeLocation
