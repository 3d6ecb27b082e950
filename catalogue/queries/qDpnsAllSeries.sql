-- The rapid selection's series of one product type.
SELECT s.SeriesCode, s.SeriesLocation AS CodeLocation, s.Description AS DPNSDesc
FROM RapidSeries r JOIN Series s ON s.SeriesCode = r.SeriesCode
WHERE s.AccumulatorType = :parAccumType
ORDER BY r.SortOrder
